#!/usr/bin/env bash
# Builds corvanta.exe and starts it under Wine. With no X display it starts a
# private Xvfb, opens the window there, saves a screenshot and says where.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

program() {
  cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake &&
    cmake --build build/windows -j"$(nproc)" --target corvanta
}
: >build/run-build.log
logged build/run-build.log "Build failed" program
source scripts/wine-env.sh
scripts/wine-prefix.sh
program=build/windows/app/corvanta.exe

if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run.sh "$program"
fi

source scripts/xvfb.sh
start_xvfb
shot=$root/build/corvanta-screenshot.png
scripts/wine-run.sh "$program" &
program_pid=$!
# Wait for the window to be mapped, then give it a moment to paint.
for _ in $(seq 100); do
  xdotool search --name 'Corvanta To Hob A Helical Gear' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 1
import -window root "$shot"
kill "$program_pid" 2>/dev/null || true
wineserver -k 2>/dev/null || true
stop_xvfb
echo "No display: the program ran on a private X server; its screenshot is $shot"
