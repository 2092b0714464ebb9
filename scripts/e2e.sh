#!/usr/bin/env bash
# The end-to-end run (CTest's OperatorSession.EndToEnd): corvanta.exe used
# with the real mouse and keyboard (xdotool), checking what the window shows
# after every step (read by window_probe.exe from another process).
#   scripts/e2e.sh CORVANTA_EXE WINDOW_PROBE_EXE OUTPUT_DIR
# It has a Wine prefix (OUTPUT_DIR/../e2e-wine-prefix) and an X server of its
# own, so no other program takes the keys and the saved settings are its own.
# Screenshots: OUTPUT_DIR/01-main-page-start.png, 02-main-page-result.png,
# 03-chooser-dropped.png, 04-change-gears-page.png, 05-results-page.png,
# 06-gear-advice-page.png (fail.png on a failure).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=$1 probe=$2 out=$3

# The controls by the names of their identifiers: IDC_SOLVE_BUTTON=1001 and
# so on, as resources/resource.h defines them.
while read -r _ name value _; do
  declare -r "$name=$value"
done < <(grep -E '^#define IDC_[A-Z_]+ [0-9]+' "$root/resources/resource.h")
stock_cell() { echo $((IDC_GEAR_STOCK_CELL_FIRST + $1 - 16)); }  # stock_cell TEETH
stock_spinner() { echo $((IDC_GEAR_STOCK_SPINNER_FIRST + $1 - 16)); }
stock_caption() { echo $((IDC_GEAR_STOCK_CAPTION_FIRST + $1 - 16)); }

mkdir -p "$out"
rm -f "$out"/*.png "$out"/state.txt
export WINEPREFIX=${CORVANTA_E2E_PREFIX:-$(cd "$out/.." && pwd)/e2e-wine-prefix}
source "$root/scripts/wine-session.sh"
"$root/scripts/wine-prefix.sh"
settings_file="$WINEPREFIX/drive_c/ProgramData/Tarnwick Works/Corvanta/settings.ini"
rm -f "$settings_file"  # start from the program's defaults

program_pid=
start_wine_session :  # the prefix is ready
at_exit '[ -z "$program_pid" ] || kill "$program_pid"'

current=start
step() { current=$*; echo "-- $current"; }
fail() {
  echo "FAILED at \"$current\": $*" >&2
  import -window root "$out/fail.png" 2>/dev/null || true
  [ -f "$out/state.txt" ] && cat "$out/state.txt" >&2
  exit 1
}

# state.txt: "window rect=L,T,R,B client=X,Y", then one line per control,
# "ID CLASS e=E v=V sel=S pos=P rect=L,T,R,B text=TEXT".
dump() { wine "$probe" dump 2>/dev/null | tr -d '\r' > "$out/state.txt" || true; }
value() {  # value ID KEY: KEY (e, v, sel, pos, rect, text) of control ID
  awk -v id="$1" -v key="$2" '
    $1 == id {
      if (key == "text") { sub(/^.* text=/, ""); print; exit }
      for (i = 2; i <= 7; i++) { split($i, kv, "="); if (kv[1] == key) { print kv[2]; exit } }
    }' "$out/state.txt"
}
# check ID KEY PATTERN...: reads the window and compares each triple (the
# pattern is a shell pattern: "Lead: *"). The window takes the mouse and
# keys from the X server in its own time, so a state that is not there yet
# is read again for up to $tries times 0.2 seconds before the step fails.
check() {
  local n=${tries:-25} args=("$@") i got
  while :; do
    dump
    for ((i = 0; i < ${#args[@]}; i += 3)); do
      got=$(value "${args[i]}" "${args[i + 1]}")
      [[ $got == ${args[i + 2]} ]] || break
    done
    ((i >= ${#args[@]})) && return 0
    ((n-- > 0)) || fail "control ${args[i]}: ${args[i + 1]} is \"$got\", expected \"${args[i + 2]}\""
    sleep 0.2
  done
}
dropped_rect() {  # the open drop-down list's rect, "L T R B", waiting for it
  local n=25 line
  until line=$(wine "$probe" dropped 2>/dev/null) || ((n-- == 0)); do sleep 0.2; done
  [ -n "$line" ] && sed 's/.*rect=\([^ ]*\).*/\1/' <<< "$line" | tr -d '\r' | tr , ' '
}
window_value() { value window "$1" | tr , ' '; }  # window_value rect|client
result_texts() {
  local id
  for id in $IDC_INDEX_UPPER_LEFT $IDC_INDEX_UPPER_RIGHT $IDC_INDEX_LOWER_LEFT \
            $IDC_INDEX_LOWER_RIGHT $IDC_FEED_UPPER_LEFT $IDC_FEED_UPPER_RIGHT \
            $IDC_FEED_LOWER_LEFT $IDC_FEED_LOWER_RIGHT $IDC_C_LINE $IDC_LEAD_LINE \
            $IDC_FEED_ERROR_LINE $IDC_ACTUAL_FEED_TEXT; do
    value "$id" text
  done
}

focus_window() { xdotool windowfocus --sync "$xwindow" 2>/dev/null || true; }
click_at() { xdotool mousemove --sync "$1" "$2" click 1; sleep 0.3; }
click() {  # click ID [FX FY]: at a fraction of the control's size (centre)
  local l t r b
  read -r l t r b <<< "$(value "$1" rect | tr , ' ')"
  [ -n "$l" ] || fail "control $1 not found"
  click_at $((l + (r - l) * ${2:-50} / 100)) $((t + (b - t) * ${3:-50} / 100))
}
keys() { focus_window; xdotool key --delay 60 "$@"; sleep 0.3; }
type_text() { focus_window; xdotool type --delay 80 -- "$1"; sleep 0.3; }
retype() {  # retype ID TEXT: clears the field with End and Backspace, types
  click "$1" 90 50
  keys End
  focus_window
  xdotool key --repeat 40 --delay 10 BackSpace
  type_text "$2"
}
# The menu bar lies just above the client area; its items stand at fixed
# offsets from the window's left edge.
click_menu_bar() {  # click_menu_bar OFFSET_X
  local l t r b cx cy
  read -r l t r b cx cy <<< "$(window_value rect) $(window_value client)"
  click_at $((l + $1)) $((cy - 10))
}
menu_main_page() { menu_by_keys 2; }
menu_change_gears_page() { menu_by_keys 3; }
menu_by_keys() {  # menu_by_keys N: F10, N times Right from "&File", Return
  local rights=()
  for ((i = 0; i < $1; i++)); do rights+=(Right); done
  keys F10 "${rights[@]}" Return
}
menu_save_settings() { click_menu_bar 13; keys Down Return; }  # "&File", its first item
shot() {  # shot NAME: the window from its menu bar down (nobody draws a caption)
  local l t r b cx cy
  read -r l t r b cx cy <<< "$(window_value rect) $(window_value client)"
  sleep 0.5
  import -window root -crop "$((r - l))x$((b - cy + 19))+$l+$((cy - 19))" +repage "$out/$1.png"
  echo "   screenshot $out/$1.png"
}
start_program() {
  wine "$exe" &
  program_pid=$!
  tries=300 check $IDC_EXIT_BUTTON e 1
  xwindow=$(xdotool search --sync --name 'Corvanta To Hob A Helical Gear' | head -1)
  sleep 1
}
exit_program() {  # E&xit: the program ends with code 0 and its window goes
  local status=0
  click $IDC_EXIT_BUTTON
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  wait "$program_pid" || status=$?
  program_pid=
  [ "$status" -eq 0 ] || fail "the program ended with code $status"
  wine "$probe" dump > /dev/null 2>&1 && fail "the window is still there"
  return 0
}

step "start the program"
start_program
shot 01-main-page-start
# "&Solve" waits for a job; no tooth count yet; the first set-up row; no
# result; the gear stock on the other page; one hob thread.
check $IDC_SOLVE_BUTTON e 0 $IDC_NUMBER_OF_TEETH sel -1 $IDC_HAND_CUT_CHOOSER sel 0 \
      $IDC_C_LINE text "" $IDC_RESULT_CAPTION v 0 "$(stock_cell 16)" v 0 $IDC_HOB_THREADS text 1

step "type the machine constants and the feed rate"
retype $IDC_INDEX_CONST 30
retype $IDC_FEED_CONST 0.075
retype $IDC_FEED_RATE .025
check $IDC_INDEX_CONST text 30 $IDC_FEED_CONST text 0.075 $IDC_FEED_RATE text .025

step "type the helix angle, Tab, the pitch"
retype $IDC_HELIX_ANGLE 20
keys Tab
type_text 10
# No tooth count, no geometry.
check $IDC_HELIX_ANGLE text 20 $IDC_NORMAL_DIAMETRAL_PITCH text 10 $IDC_PITCH_DIAMETER_LINE text ""

step "a refused key changes nothing"
click $IDC_HELIX_ANGLE 90 50
keys End
type_text "-x"
check $IDC_HELIX_ANGLE text 20

step "choose 20 teeth from the list"
click $IDC_NUMBER_OF_TEETH
dropped_rect > /dev/null || fail "the tooth list did not drop down"
keys Home  # "1"
focus_window
xdotool key --repeat 19 --delay 30 Down
keys Return
check $IDC_NUMBER_OF_TEETH sel 19 $IDC_PITCH_DIAMETER_LINE text "Transverse Pitch Dia.: 2.1284" \
      $IDC_OUTSIDE_DIAMETER_LINE text "Outside Dia.: 2.3284" $IDC_SOLVE_BUTTON e 1

step "choose set-up row 2 (right-hand hob, left-hand gear, conventional)"
click $IDC_HAND_CUT_CHOOSER
dropped=$(dropped_rect) || fail "the set-up list did not drop down"
shot 03-chooser-dropped
read -r l t r b <<< "$dropped"  # rows 22 pixels high: the middle of the third
click_at $(((l + r) / 2)) $((t + 2 * 22 + 11))
check $IDC_HAND_CUT_CHOOSER sel 2 $IDC_SOLVE_BUTTON e 1

step "Solve"
click $IDC_SOLVE_BUTTON
# Done when "E&xit" is back and the result display has shown itself (it
# writes its lines first and shows the result controls last).
tries=900 check $IDC_EXIT_BUTTON e 1 $IDC_C_LINE text "C: *" $IDC_RESULT_CAPTION v 1
shot 02-main-page-result
check $IDC_RESULT_SELECTOR v 1 $IDC_RESULT_SELECTOR pos 1 $IDC_SOLVE_BUTTON e 0 \
      $IDC_LEAD_LINE text "Lead: *" $IDC_FEED_ERROR_LINE text "Feed Error: *" \
      $IDC_ACTUAL_FEED_TEXT text "Actual Feed From C: *" \
      $IDC_INDEX_ERROR_LINE text "Index Error: None" $IDC_INDEX_UPPER_LEFT text "?*"
first=$(result_texts)

step "step to result 2 and back, and not before the first"
click $IDC_RESULT_SELECTOR 75 50
check $IDC_RESULT_SELECTOR pos 2
[ "$(result_texts)" != "$first" ] || fail "result 2 shows the same as result 1"
for _ in 1 2; do  # the second time before the first: it stays (and beeps)
  click $IDC_RESULT_SELECTOR 25 50
  check $IDC_RESULT_SELECTOR pos 1
  [ "$(result_texts)" = "$first" ] || fail "back at result 1, the display differs"
done

step "the results page lists every result"
menu_by_keys 4
check $IDC_RESULT_LIST v 1 $IDC_SOLVE_BUTTON v 0 $IDC_RESULT_LIST_COPY e 1
shot 05-results-page

step "the gear advice page: Advise"
menu_by_keys 5
check $IDC_ADVICE_LIST v 1 $IDC_RESULT_LIST v 0 $IDC_ADVISE_BUTTON e 1
click $IDC_ADVISE_BUTTON
tries=1500 check $IDC_ADVISE_BUTTON e 1 $IDC_ADVICE_STATUS text "* were searched*"
shot 06-gear-advice-page

step "open the change-gears page"
menu_change_gears_page
check "$(stock_cell 16)" v 1 "$(stock_caption 16)" text 16 $IDC_INDEX_CONST v 0 \
      $IDC_RESULT_CAPTION v 0
shot 04-change-gears-page

step "mark the 95-tooth gear as owned and the 40-tooth gear as not"
[ "$(value "$(stock_cell 95)" text)" = 0 ] || echo "   (the 95-tooth gear was owned already)"
click "$(stock_spinner 95)" 50 25
check "$(stock_cell 95)" text 1
click "$(stock_spinner 40)" 50 75
check "$(stock_cell 40)" text 0 $IDC_C_LINE text ""  # the change dropped the result

step "File > Save Settings keeps the stock"
menu_save_settings
for _ in $(seq 50); do [ -f "$settings_file" ] && break; sleep 0.1; done
[ -f "$settings_file" ] || fail "no settings file was written"
stock=$(tr -d '\r' < "$settings_file" | sed -n 's/^Change Gears=//p')
# 154 gears, 95 owned (index 79) and 40 not (index 24).
[[ ${#stock} -eq 154 && ${stock:79:1} = 1 && ${stock:24:1} = 0 ]] || fail "saved stock \"$stock\""
grep -q '^Index Constant=30' "$settings_file" || fail "index constant not saved"
cp "$settings_file" "$out/saved-settings.ini"

step "back to the main page: the job is re-validated"
menu_main_page
check $IDC_INDEX_CONST v 1 "$(stock_cell 16)" v 0 $IDC_RESULT_CAPTION v 0 \
      $IDC_RESULT_SELECTOR v 0 $IDC_SOLVE_BUTTON e 1 $IDC_HELIX_ANGLE text 20

step "Save Settings is not offered without a feed constant"
retype $IDC_FEED_CONST ""
check $IDC_FEED_CONST text ""
menu_save_settings
sleep 0.5
cmp -s "$settings_file" "$out/saved-settings.ini" || fail "the settings file changed"

step "E&xit"
exit_program
cmp -s "$settings_file" "$out/saved-settings.ini" || fail "leaving changed the settings file"

step "start again: the saved settings come back"
start_program
# The emptied field was not saved.
check $IDC_INDEX_CONST text 30 $IDC_FEED_CONST text 0.075 $IDC_FEED_RATE text .025
menu_change_gears_page
check "$(stock_cell 95)" text 1 "$(stock_cell 40)" text 0 "$(stock_cell 41)" text 1
menu_main_page
check $IDC_INDEX_CONST v 1
exit_program
echo "End-to-end run passed; screenshots in $out"
