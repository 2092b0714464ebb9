#!/usr/bin/env bash
# Builds what a shop installs, from release builds: the Windows installer
# (build/windows/corvanta-setup-VERSION.exe) and the Debian package of
# corvanta-solve (build/release/corvanta-solve_VERSION_ARCH.deb).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
mkdir -p build
log=build/package.log
: >"$log"
if ! {
  cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake &&
    cmake --build build/windows -j"$(nproc)" --target windows_installer &&
    cmake -S . -B build/release -DCORVANTA_BUILD_TESTS=OFF &&
    cmake --build build/release -j"$(nproc)" --target package
} >>"$log" 2>&1; then
  grep -E 'error|Error' "$log" | head -40
  echo "The packages were not made; the whole log is in $log" >&2
  exit 1
fi
echo "Windows installer: $(ls build/windows/corvanta-setup-*.exe)"
echo "Debian package:    $(ls build/release/corvanta-solve_*.deb)"
