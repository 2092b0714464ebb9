#!/usr/bin/env bash
# Builds corvanta.exe and starts it under Wine. With no X display it starts a
# private Xvfb, opens the window there, saves a screenshot and says where.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

program() {
  configure_windows && cmake --build build/windows -j"$(nproc)" --target corvanta
}
: >build/run-build.log
logged build/run-build.log "Build failed" program
program=build/windows/app/corvanta.exe

if [ -n "${DISPLAY:-}" ]; then
  scripts/wine-prefix.sh
  exec scripts/wine-run.sh "$program"
fi

source scripts/wine-session.sh
start_wine_session
shot=$root/build/corvanta-screenshot.png
scripts/wine-run.sh "$program" &
program_pid=$!
at_exit 'kill "$program_pid"'
# Wait for the window to be mapped, then give it a moment to paint.
for _ in $(seq 100); do
  xdotool search --name 'Corvanta To Hob A Helical Gear' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 1
import -window root "$shot"
echo "No display: the program ran on a private X server; its screenshot is $shot"
