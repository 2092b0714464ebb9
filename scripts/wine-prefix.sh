#!/usr/bin/env bash
# Creates the project's Wine prefix inside the build tree, once.
# Usage: scripts/wine-prefix.sh   (WINEPREFIX may point elsewhere)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wine-prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

stamp=$WINEPREFIX/.corvanta-ready
[ -f "$stamp" ] && exit 0

echo "Preparing the Wine prefix in $WINEPREFIX (first run only)"
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wineserver -w
# No crash dialogs: a crashing test must fail, not wait for a click.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1

# Wine's own fonts (Tahoma, Symbol, MS Sans Serif) and metric-compatible
# replacements for the faces the program asks for.
fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$fonts"
cp -n /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.ttc "$fonts"/ 2>/dev/null || true
cp -n /usr/share/fonts/truetype/liberation/*.ttf "$fonts"/ 2>/dev/null || true
reg=$(mktemp --suffix=.reg)
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
"Segoe UI"="Tahoma"
REG
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
rm -f "$reg"
wineserver -w
touch "$stamp"
