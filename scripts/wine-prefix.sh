#!/usr/bin/env bash
# Creates the project's Wine prefix inside the build tree, once.
# Usage: scripts/wine-prefix.sh   (WINEPREFIX may point elsewhere)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

stamp=$WINEPREFIX/.corvanta-ready
if [ ! -f "$stamp" ]; then

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
fi

# Later additions, each applied once, also to prefixes made before them.
# Each waits for its wine server to end, as the set-up above does: that
# server has no display (the callers start theirs later), and a program
# started while it runs would get its windows from it and show none.

# The main window's face, "Segoe UI", is not in Wine. Tahoma, its usual
# stand-in, is wider: labels laid out for Segoe UI lose their ends ("Hob
# Threads:", "Feed Rate:"). Lato is nearer Segoe UI's widths; where a label
# still does not fit, the window makes its fonts a size smaller.
lato_stamp=$WINEPREFIX/.corvanta-segoe-lato
lato=/usr/share/fonts/truetype/lato/Lato-Regular.ttf
if [ ! -f "$lato_stamp" ]; then
  if [ -f "$lato" ]; then
    fonts=$WINEPREFIX/drive_c/windows/Fonts
    mkdir -p "$fonts"
    cp -n /usr/share/fonts/truetype/lato/Lato-*.ttf "$fonts"/
    reg=$(mktemp --suffix=.reg)
    cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Segoe UI"="Lato"
REG
    wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
    rm -f "$reg"
    wineserver -w
    touch "$lato_stamp"
  else
    echo "fonts-lato is missing: the window shows Segoe UI's texts in Tahoma" >&2
  fi
fi
