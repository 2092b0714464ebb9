# Sourced by the build scripts: the repository as the working folder, the
# packages installed, and `logged` for build steps whose output goes to a log.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
mkdir -p build

# logged LOG FAILURE COMMAND...: runs COMMAND with its output appended to
# LOG; when it fails, prints the log's errors and FAILURE and exits.
logged() {
  local log=$1 failure=$2
  shift 2
  if ! "$@" >>"$log" 2>&1; then
    grep -E 'error|Error' "$log" | head -40
    echo "$failure; the whole log is in $log" >&2
    exit 1
  fi
}
