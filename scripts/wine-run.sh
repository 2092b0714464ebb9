#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix.
# The prefix lives in the build tree (WINEPREFIX may be set by the caller).
set -e
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
exec wine "$@"
