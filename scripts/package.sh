#!/usr/bin/env bash
# Builds what a shop installs, from release builds: the Windows installer
# (build/windows/corvanta-setup-VERSION.exe) and the Debian package of
# corvanta-solve (build/release/corvanta-solve_VERSION_ARCH.deb).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

packages() {
  configure_windows && cmake --build build/windows -j"$(nproc)" --target windows_installer &&
    cmake -S . -B build/release -DCORVANTA_BUILD_TESTS=OFF &&
    cmake --build build/release -j"$(nproc)" --target package
}
: >build/package.log
logged build/package.log "The packages were not made" packages
echo "Windows installer: $(ls build/windows/corvanta-setup-*.exe)"
echo "Debian package:    $(ls build/release/corvanta-solve_*.deb)"
