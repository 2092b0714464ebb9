#!/usr/bin/env bash
# The Windows installer as an administrator uses it, under Wine in a prefix
# made afresh (no fonts or settings of the project's own prefix) and on an X
# server of its own:
#   silent install; the program, the uninstaller, the Start-menu shortcut and
#   the Add/Remove Programs entry where Windows keeps them; the program opened
#   from its shortcut (a silent install meanwhile gives up); a second install
#   over the first; a silent uninstall that removes all of it; an install into
#   a chosen folder (/D=) whose uninstall leaves that folder's other files. A
#   settings file saved before stays byte for byte as it was throughout.
#   windows_installer_test.sh INSTALLER PROGRAM ICON WORK_DIR
# Screenshot of the installed program: WORK_DIR/installed-program.png.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
installer=$1 program=$2 icon=$3
work=$(mkdir -p "$4" && cd "$4" && pwd)  # Wine wants an absolute prefix
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

rm -rf "${work:?}"/*
export WINEPREFIX=$work/wine-prefix WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries on this machine for the
# shortcuts that the installer makes inside the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
source "$root/scripts/xvfb.sh"
start_xvfb
trap '{ wineserver -k; } 2>/dev/null || true; stop_xvfb' EXIT

echo "-- a fresh prefix"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1

drive_c=$WINEPREFIX/drive_c
folder='C:\Program Files\Tarnwick Works\Corvanta'
installed=$drive_c/Program\ Files/Tarnwick\ Works/Corvanta
shortcut=$drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Corvanta.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvanta'

# A shop's saved settings, as the program writes them.
settings=$drive_c/ProgramData/Tarnwick\ Works/Corvanta/settings.ini
mkdir -p "$(dirname "$settings")"
printf '[Settings]\r\nIndex Constant=45\r\nFeed Constant=0.0625\r\nFeed Rate=.031\r\nChange Gears=%s\r\n' \
  "$(printf '01%.0s' $(seq 77))" >"$settings"
cp -p "$settings" "$work/settings-before.ini"
settings_kept() {
  cmp -s "$settings" "$work/settings-before.ini" || fail "$1 changed settings.ini"
  [ "$(stat -c %Y "$settings")" = "$(stat -c %Y "$work/settings-before.ini")" ] ||
    fail "$1 rewrote settings.ini"
}

run() {  # run WINDOWS_PROGRAM ARGS...: its exit code must be 0
  local status=0
  wine "$@" </dev/null >/dev/null 2>&1 || status=$?
  [ "$status" -eq 0 ] || fail "$* ended with code $status"
}
# The uninstaller runs from a copy of itself and returns at once: wait for
# every program of the prefix to end.
uninstall() {
  run "$1\\uninstall.exe" /S
  timeout 120 wineserver -w || fail "the uninstaller did not end"
}
entry() {  # entry NAME: a value of the Add/Remove Programs entry
  wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
expect_entry() {  # expect_entry NAME VALUE
  [ "$(entry "$1")" = "$2" ] || fail "$1 is \"$(entry "$1")\", expected \"$2\""
}

echo "-- the installer's own file properties"
version=$(basename "$installer" .exe)
version=${version#corvanta-setup-}
strings -el "$installer" >"$work/installer-strings.txt"
for text in "$version.0" "Tarnwick Works" "Corvanta Setup"; do
  grep -qxF "$text" "$work/installer-strings.txt" || fail "no \"$text\" in the version record"
done
# Its icon is the program's: every image of corvanta.ico is in it.
od -An -v -tx1 "$installer" | tr -d ' \n' >"$work/installer.hex"
images=$(od -An -tu2 -j4 -N2 "$icon" | tr -d ' ')
for ((i = 0; i < images; i++)); do
  size=$(od -An -tu4 -j $((6 + 16 * i + 8)) -N4 "$icon" | tr -d ' ')
  offset=$(od -An -tu4 -j $((6 + 16 * i + 12)) -N4 "$icon" | tr -d ' ')
  od -An -v -tx1 -j "$offset" -N "$size" "$icon" | tr -d ' \n' >"$work/icon-image.hex"
  grep -qF -f "$work/icon-image.hex" "$work/installer.hex" || fail "icon image $i is missing"
done

echo "-- silent install"
run "$installer" /S
cmp -s "$installed/corvanta.exe" "$program" || fail "corvanta.exe is not the build's"
[ -f "$installed/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
strings -el "$shortcut" | grep -qiF 'corvanta.exe' || fail "the shortcut does not name corvanta.exe"
expect_entry DisplayName Corvanta
expect_entry DisplayVersion "$version"
expect_entry Publisher "Tarnwick Works"
expect_entry DisplayIcon "$folder\\corvanta.exe,0"
expect_entry InstallLocation "$folder"
expect_entry UninstallString "\"$folder\\uninstall.exe\""
expect_entry QuietUninstallString "\"$folder\\uninstall.exe\" /S"
# EstimatedSize in KB: the two files, rounded up.
kilobytes=$(($(stat -c %s "$installed/corvanta.exe") / 1024 + $(stat -c %s "$installed/uninstall.exe") / 1024))
size=$(($(entry EstimatedSize)))
((size >= kilobytes && size <= kilobytes + 4)) || fail "EstimatedSize $size KB for $kilobytes KB"
settings_kept "the install"

echo "-- the program, opened from its shortcut"
wine start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Corvanta.lnk" \
  </dev/null >/dev/null 2>&1
window=$(window_screenshot 'Corvanta To Hob A Helical Gear' "$work/installed-program.png") ||
  fail "the installed program opened no window"
# The window belongs to the installed copy (wine names the Windows path).
command=$(tr '\0' ' ' <"/proc/$(xdotool getwindowpid "$window")/cmdline")
grep -qiF "$folder\\corvanta.exe" <<<"$command" || fail "the window belongs to: $command"
echo "   screenshot $work/installed-program.png"
# While it runs, a silent install gives up with code 2 instead of waiting.
status=0
wine "$installer" /S </dev/null >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "installing while the program runs ended with code $status"
wineserver -k  # the program has no close box; it saves nothing on leaving
settings_kept "running the program"

echo "-- a second install over the first"
run "$installer" /S
cmp -s "$installed/corvanta.exe" "$program" || fail "corvanta.exe is not the build's"
expect_entry InstallLocation "$folder"
settings_kept "installing over"

echo "-- silent uninstall"
uninstall "$folder"
[ ! -e "$drive_c/Program Files/Tarnwick Works" ] || fail "left: $(find "$drive_c/Program Files/Tarnwick Works")"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
! wine reg query "$key" >/dev/null 2>&1 || fail "the Add/Remove Programs entry is left"
settings_kept "the uninstall"

echo "-- a chosen folder (/D=) holding another file"
# NSIS takes /D= unquoted; wine would quote an argument with a space.
chosen='C:\ShopTools\Corvanta'
mkdir -p "$drive_c/ShopTools/Corvanta"
echo "the shop's own notes" >"$drive_c/ShopTools/Corvanta/notes.txt"
run "$installer" /S "/D=$chosen"
cmp -s "$drive_c/ShopTools/Corvanta/corvanta.exe" "$program" || fail "not installed in $chosen"
[ ! -e "$installed" ] || fail "installed in the default folder as well"
expect_entry InstallLocation "$chosen"
uninstall "$chosen"
[ "$(ls "$drive_c/ShopTools/Corvanta")" = notes.txt ] ||
  fail "left in the chosen folder: $(ls "$drive_c/ShopTools/Corvanta")"
! wine reg query "$key" >/dev/null 2>&1 || fail "the Add/Remove Programs entry is left"
settings_kept "the uninstall from the chosen folder"

echo "The installer installs, installs over and uninstalls, and the settings stay as they were."
