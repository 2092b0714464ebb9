#!/usr/bin/env bash
# The end-to-end run: corvanta.exe used as a shop operator uses it, with the
# real mouse and keyboard (xdotool), checking what the window shows after
# every step (read by window_probe.exe from another process) and saving
# screenshots.
#
# Usage: scripts/e2e.sh CORVANTA_EXE WINDOW_PROBE_EXE OUTPUT_DIR
# CTest runs it as the test OperatorSession.EndToEnd.
#
# The run has a Wine prefix and an X server of its own (the prefix is made
# once, in OUTPUT_DIR/../e2e-wine-prefix): keyboard focus and the foreground
# window belong to one Wine server, so programs of other tests cannot take
# the keys, and the settings file it saves is its own.
# Screenshots: OUTPUT_DIR/01-main-page-start.png, 02-main-page-result.png,
# 03-chooser-dropped.png, 04-change-gears-page.png (fail.png when a step
# fails).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=$1 probe=$2 out=$3

mkdir -p "$out"
rm -f "$out"/*.png "$out"/state.txt
export WINEPREFIX=${CORVANTA_E2E_PREFIX:-$(cd "$out/.." && pwd)/e2e-wine-prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/scripts/wine-prefix.sh"
settings_dir="$WINEPREFIX/drive_c/ProgramData/Tarnwick Works/Corvanta"
settings_file="$settings_dir/settings.ini"
rm -f "$settings_file"  # start from the program's defaults

source "$root/scripts/xvfb.sh"
start_xvfb
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  stop_xvfb
}
trap cleanup EXIT

current=start
step() { current=$*; echo "-- $current"; }
fail() {
  echo "FAILED at \"$current\": $*" >&2
  import -window root "$out/fail.png" 2>/dev/null || true
  [ -f "$out/state.txt" ] && cat "$out/state.txt" >&2
  exit 1
}

# --- reading the window --------------------------------------------------
# state.txt holds one line per control, "ID CLASS e=E v=V sel=S pos=P
# rect=L,T,R,B text=TEXT", and a first line "window rect=... client=X,Y".
dump() { wine "$probe" dump 2>/dev/null | tr -d '\r' > "$out/state.txt"; }
value() {  # value ID KEY: KEY (e, v, sel, pos, rect, text) of control ID
  awk -v id="$1" -v key="$2" '
    $1 == id {
      if (key == "text") { sub(/^.* text=/, ""); print; exit }
      for (i = 3; i <= 7; i++) { split($i, kv, "="); if (kv[1] == key) { print kv[2]; exit } }
    }' "$out/state.txt"
}
# The window takes the mouse and keys from the X server in its own time (a
# busy machine delays it): a state that is not there yet is read again for
# up to five seconds before the step fails.
expect() {  # expect ID KEY WANTED
  local got tries=25
  while got=$(value "$1" "$2"); [ "$got" != "$3" ] && ((tries-- > 0)); do
    sleep 0.2
    dump
  done
  [ "$got" = "$3" ] || fail "control $1: $2 is \"$got\", expected \"$3\""
}
expect_prefix() {  # expect_prefix ID PREFIX: the control's text starts so
  local got tries=25
  while got=$(value "$1" text); [[ "$got" != "$2"* ]] && ((tries-- > 0)); do
    sleep 0.2
    dump
  done
  [[ "$got" == "$2"* ]] || fail "control $1: text \"$got\" does not start with \"$2\""
}
dropped_list() {  # prints the open drop-down list's line, waiting for it
  local tries=25 line
  while ! line=$(wine "$probe" dropped 2>/dev/null | tr -d '\r') && ((tries-- > 0)); do
    sleep 0.2
  done
  [ -n "$line" ] && echo "$line"
}
window_rect() { awk '$1 == "window" { sub(/rect=/, "", $2); print $2 }' "$out/state.txt"; }
client_origin() { awk '$1 == "window" { sub(/client=/, "", $3); print $3 }' "$out/state.txt"; }
# Waits until `condition` (a shell command run after each fresh dump) holds.
wait_until() {  # wait_until SECONDS DESCRIPTION CONDITION...
  local seconds=$1 what=$2
  shift 2
  local tries=$((seconds * 5))
  while ((tries-- > 0)); do
    dump && "$@" && return 0
    sleep 0.2
  done
  fail "waited ${seconds}s for: $what"
}

# --- acting on it --------------------------------------------------------
focus_window() { xdotool windowfocus --sync "$xwindow" 2>/dev/null || true; }
click_at() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.3; }
# Clicks a control at a fraction of its width and height (0.5 0.5: centre).
click() {  # click ID [FX FY]
  local fx=${2:-0.5} fy=${3:-0.5} l t r b
  IFS=, read -r l t r b <<< "$(value "$1" rect)"
  [ -n "$l" ] || fail "control $1 not found"
  click_at "$(awk -v a="$l" -v b="$r" -v f="$fx" 'BEGIN { printf "%d", a + (b - a) * f }')" \
           "$(awk -v a="$t" -v b="$b" -v f="$fy" 'BEGIN { printf "%d", a + (b - a) * f }')"
}
keys() { focus_window; xdotool key --delay 60 "$@"; sleep 0.3; }
type_text() { focus_window; xdotool type --delay 80 -- "$1"; sleep 0.3; }
# Clears a field with End and Backspace, as the keyboard does, and types.
retype() {  # retype ID TEXT
  click "$1" 0.9 0.5
  keys End
  focus_window
  xdotool key --repeat 40 --delay 10 BackSpace
  type_text "$2"
}
# The menu bar lies just above the client area; the items stand at fixed
# offsets from the window's left edge in the bar's font.
click_menu_bar() {  # click_menu_bar OFFSET_X
  local l t r b cx cy
  IFS=, read -r l t r b <<< "$(window_rect)"
  IFS=, read -r cx cy <<< "$(client_origin)"
  click_at $((l + $1)) $((cy - 10))
}
menu_main_page() { click_menu_bar 68; }
menu_change_gears_page() { click_menu_bar 172; }
shot() {  # shot NAME: the window from its menu bar down
  local l t r b cx cy top
  IFS=, read -r l t r b <<< "$(window_rect)"
  IFS=, read -r cx cy <<< "$(client_origin)"
  # With no window manager nobody draws the caption: leave it out.
  top=$((cy - 19))
  sleep 0.5
  import -window root -crop "$((r - l))x$((b - top))+$l+$top" +repage "$out/$1.png"
  echo "   screenshot $out/$1.png"
}
result_texts() {
  for id in 3003 3005 3004 3006 3024 3026 3025 3027 3011 3014 3012 3013; do value $id text; done
}

# --- the session ---------------------------------------------------------
step "start the program"
wine "$exe" &
program_pid=$!
wait_until 60 "the main window" test -s "$out/state.txt"
xwindow=$(xdotool search --sync --name 'Corvanta To Hob A Helical Gear' | head -1)
sleep 1
dump
shot 01-main-page-start
expect 1001 e 0      # "&Solve" waits for a complete job
expect 2003 sel -1   # no tooth count chosen yet
expect 2005 sel 0    # first set-up row
expect 3011 text ""
expect 1020 v 0      # no result on display
expect 5000 v 0      # gear stock on the other page
expect 3002 text 1

step "type the machine constants and the feed rate"
retype 2001 30
retype 2002 0.075
retype 2007 .025
dump
expect 2001 text 30
expect 2002 text 0.075
expect 2007 text .025

step "type the helix angle, Tab, the pitch"
retype 2004 20
keys Tab
type_text 10
dump
expect 2004 text 20
expect 2006 text 10
expect 3009 text ""  # no tooth count yet, no geometry

step "a refused key changes nothing"
click 2004 0.9 0.5
keys End
type_text "-x"
dump
expect 2004 text 20

step "choose 20 teeth from the list"
click 2003
dropped_list > /dev/null || fail "the tooth list did not drop down"
keys Home  # "1"
focus_window
xdotool key --repeat 19 --delay 30 Down
keys Return
dump
expect 2003 sel 19
expect 3009 text "Transverse Pitch Dia.: 2.1284"
expect 3010 text "Outside Dia.: 2.3284"
expect 1001 e 1

step "choose set-up row 2 (right-hand hob, left-hand gear, conventional)"
click 2005
dropped=$(dropped_list) || fail "the set-up list did not drop down"
shot 03-chooser-dropped
# Rows are 22 pixels high: the middle of the third row.
IFS=, read -r l t r b <<< "$(sed 's/.*rect=\([^ ]*\).*/\1/' <<< "$dropped")"
click_at $(((l + r) / 2)) $((t + 2 * 22 + 11))
dump
expect 2005 sel 2
expect 1001 e 1

step "Solve"
click 1001
# Done when "E&xit" is back and the result display has shown itself (it
# writes its lines first and shows the result controls last).
wait_until 180 "the search to end with a result" \
  bash -c "grep -q '^1002 .* e=1 ' '$out/state.txt' && grep -q '^3011 .* text=C: ' '$out/state.txt' \
           && grep -q '^1020 .* v=1 ' '$out/state.txt'"
shot 02-main-page-result
expect 1020 v 1
expect 1003 v 1
expect 1003 pos 1
expect 1001 e 0  # until the next validation
expect_prefix 3014 "Lead: "
expect_prefix 3012 "Feed Error: "
expect_prefix 3013 "Actual Feed From C: "
expect 3008 text "Index Error: None"
[ -n "$(value 3003 text)" ] || fail "the index train is empty"
first=$(result_texts)

step "step to result 2 and back"
click 1003 0.75 0.5
dump
expect 1003 pos 2
second=$(result_texts)
[ "$second" != "$first" ] || fail "result 2 shows the same as result 1"
click 1003 0.25 0.5
dump
expect 1003 pos 1
[ "$(result_texts)" = "$first" ] || fail "back at result 1, the display differs"
click 1003 0.25 0.5  # before the first: it stays (and beeps)
dump
expect 1003 pos 1
[ "$(result_texts)" = "$first" ] || fail "result 1 changed at the list's start"

step "open the change-gears page"
menu_change_gears_page
dump
expect 5000 v 1
expect 5400 text 16
expect 2001 v 0
expect 1020 v 0
shot 04-change-gears-page

step "mark the 95-tooth gear as owned and the 40-tooth gear as not"
before95=$(value 5079 text)
click 5279 0.5 0.25
dump
expect 5079 text 1
[ "$before95" = 0 ] || echo "   (the 95-tooth gear was owned already)"
click 5224 0.5 0.75
dump
expect 5024 text 0
expect 3011 text ""  # the change dropped the result

step "File > Save Settings keeps the stock"
click_menu_bar 13  # "&File"
keys Down Return   # its first item
for _ in $(seq 50); do [ -f "$settings_file" ] && break; sleep 0.1; done
[ -f "$settings_file" ] || fail "no settings file was written"
stock=$(tr -d '\r' < "$settings_file" | sed -n 's/^Change Gears=//p')
[ ${#stock} -eq 154 ] || fail "saved stock \"$stock\" is not 154 characters"
[ "${stock:79:1}" = 1 ] || fail "the 95-tooth gear was not saved as owned"
[ "${stock:24:1}" = 0 ] || fail "the 40-tooth gear was not saved as not owned"
grep -q '^Index Constant=30' "$settings_file" || fail "index constant not saved"
cp "$settings_file" "$out/saved-settings.ini"

step "back to the main page"
menu_main_page
dump
expect 2001 v 1
expect 5000 v 0
expect 1020 v 0
expect 1003 v 0
expect 1001 e 1  # the page re-validated the job
expect 2004 text 20

step "Save Settings is not offered without a feed constant"
retype 2002 ""
dump
expect 2002 text ""
click_menu_bar 13
keys Down Return
sleep 0.5
cmp -s "$settings_file" "$out/saved-settings.ini" || fail "the settings file changed"

step "E&xit"
click 1002
status=0
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "the program ended with code $status"
wine "$probe" dump > /dev/null 2>&1 && fail "the window is still there"
cmp -s "$settings_file" "$out/saved-settings.ini" || fail "leaving changed the settings file"

step "start again: the saved settings come back"
wine "$exe" &
program_pid=$!
wait_until 60 "the main window" test -s "$out/state.txt"
xwindow=$(xdotool search --sync --name 'Corvanta To Hob A Helical Gear' | head -1)
sleep 1
dump
expect 2001 text 30
expect 2002 text 0.075  # the emptied field was not saved
expect 2007 text .025
menu_change_gears_page
dump
expect 5079 text 1
expect 5024 text 0
expect 5025 text 1
menu_main_page
dump
click 1002
status=0
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "the program ended with code $status"
echo "End-to-end run passed; screenshots in $out"
