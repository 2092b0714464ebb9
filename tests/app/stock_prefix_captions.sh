#!/usr/bin/env bash
# The window's captions in a stock Wine prefix: no fonts copied in, no font
# replacements, so no "Segoe UI" (what a planner's own Wine has). Runs the
# caption cases of window_tests there, then the program itself for a
# screenshot: OUTPUT_DIR/stock-prefix-main-page.png.
#   stock_prefix_captions.sh WINDOW_TESTS_EXE CORVANTA_EXE OUTPUT_DIR
# The prefix (OUTPUT_DIR/stock-wine-prefix) is made on the first run only.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
tests=$1 program=$2
out=$(mkdir -p "$3" && cd "$3" && pwd)  # Wine wants an absolute prefix
export WINEPREFIX=$out/stock-wine-prefix
source "$root/scripts/wine-session.sh"
stock_prefix() {
  [ -f "$WINEPREFIX/.stock-ready" ] && return
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.stock-ready"
}
start_wine_session stock_prefix

if ! wine "$tests" --gtest_filter='WindowCaptions.*' </dev/null 2>&1 |
  tr -d '\r'; then
  echo "the caption cases failed in the stock prefix" >&2
  exit 1
fi

wine "$program" </dev/null >/dev/null 2>&1 &
window_screenshot 'Corvanta To Hob A Helical Gear' "$out/stock-prefix-main-page.png" >/dev/null ||
  { echo "the program opened no window" >&2; exit 1; }
echo "screenshot $out/stock-prefix-main-page.png"
