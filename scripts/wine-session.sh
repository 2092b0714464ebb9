# Sourced: a Wine session for the program and its tests, set up one way by
# every script that runs Windows programs. Sources wine-env.sh (WINEPREFIX
# may be set before) and xvfb.sh.
#
# start_wine_session [PREPARE]: prepares the prefix (PREPARE, a command;
# default scripts/wine-prefix.sh, the project's prefix), starts a private
# X server (DISPLAY), then the Wine server and its services, and ends all of
# it when the script exits. The services are started here, outside any
# CTest or pipe: a service started by the first program would inherit that
# program's output and hold it open.
# at_exit COMMAND: COMMAND runs when the script exits, before the session
# ends (the last one given first); its failure is ignored.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
source "$corvanta_root/scripts/xvfb.sh"

wine_session_exit_steps=()

at_exit() { wine_session_exit_steps+=("$1"); }

end_wine_session() {
  local k
  for ((k = ${#wine_session_exit_steps[@]} - 1; k >= 0; --k)); do
    eval "${wine_session_exit_steps[k]}" 2>/dev/null || true
  done
  wineserver -k 2>/dev/null || true
  stop_xvfb
}

start_wine_session() {
  ${1:-"$corvanta_root/scripts/wine-prefix.sh"}
  start_xvfb
  trap end_wine_session EXIT
  wineserver -p 2>/dev/null || true  # already running is fine
  wine cmd /c exit </dev/null >/dev/null 2>&1
}
