# Sourced by the build scripts: the repository as the working folder, the
# packages installed, `configure_windows` for the Windows build, and
# `logged` for build steps whose output goes to a log.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
mkdir -p build

# The Windows build: MinGW-w64's cross compiler, in build/windows.
windows_toolchain=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake)
# configure_windows [cmake options...]: configures build/windows.
configure_windows() { cmake -S . -B build/windows "${windows_toolchain[@]}" "$@"; }

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
