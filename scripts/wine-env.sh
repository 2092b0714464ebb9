# Sourced: the Wine environment of the program, its tests and these scripts.
# Each variable keeps a value the caller has set: WINEPREFIX defaults to the
# project's prefix in the build tree, WINEDEBUG to silence, and
# WINEDLLOVERRIDES skips the Mono and Gecko prompts.
corvanta_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$corvanta_root/build/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
