#!/usr/bin/env bash
# Makes the README's pictures from the current build: the main page with a
# result and the change-gears page, as the end-to-end run (scripts/e2e.sh)
# shows them, and the first result's printed sheet, written as PDF by
# corvanta-solve for the same job and turned into PNG with pdftoppm.
# Writes docs/main-page.png, docs/change-gears-page.png and
# docs/printed-sheet.png; the run's other pictures stay in build/screenshots.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

programs() {
  configure_windows && cmake --build build/windows -j"$(nproc)" --target corvanta window_probe &&
    cmake -S . -B build/native -DCORVANTA_SANITIZE=ON &&
    cmake --build build/native -j"$(nproc)" --target corvanta-solve
}
log=build/screenshots.log
: >"$log"
logged "$log" "Build failed" programs

out=$root/build/screenshots
mkdir -p "$out"
if ! scripts/e2e.sh build/windows/app/corvanta.exe build/windows/tests/app/window_probe.exe \
  "$out/e2e" >>"$log" 2>&1; then
  echo "The end-to-end run failed; the whole log is in $log" >&2
  exit 1
fi
cp "$out/e2e/02-main-page-result.png" docs/main-page.png
cp "$out/e2e/04-change-gears-page.png" docs/change-gears-page.png

# The job the end-to-end run solves, with the program's default settings
# (an empty data folder) and as many processors as the window used.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
XDG_DATA_HOME=$data build/native/tools/corvanta-solve --index-const 30 \
  --feed-const 0.075 --feed-rate .025 --helix 20 --ndp 10 --teeth 20 --hob RH --gear LH \
  --cut conventional --results 1 --sheet "$out/printed-sheet.pdf" >"$out/first-result.txt"
pdftoppm -png -r 80 -singlefile "$out/printed-sheet.pdf" docs/printed-sheet
echo "docs/main-page.png, docs/change-gears-page.png, docs/printed-sheet.png (the sheet's"
echo "result: $out/first-result.txt)"
