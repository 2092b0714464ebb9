#!/usr/bin/env bash
# Builds everything (native with sanitizers, the Windows program and its
# installer, the release build of corvanta-solve and its Debian package, the
# thread-sanitizer build of the search and the fuzz targets) and runs every
# test: the native ones directly, the Windows ones under Wine with a private
# X display. Ends with CTest's summary.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"
log=build/build.log
: > "$log"

configure_and_build() {  # configure_and_build DIR TARGET [cmake options...]
  local dir=$1 target=$2; shift 2
  cmake -S . -B "build/$dir" "$@" && cmake --build "build/$dir" --target "$target" -j"$(nproc)"
}
build() { logged "$log" "Build of $1 failed" configure_and_build "$@"; }
build native all -DCORVANTA_SANITIZE=ON
build windows all "${windows_toolchain[@]}" \
  -DCORVANTA_NATIVE_SOLVE="$root/build/native/tools/corvanta-solve"
# What a shop installs: the Windows build above makes the installer; this
# release build makes the Debian package, whose tool must give the results
# of the tested build.
build release all -DCORVANTA_BUILD_TESTS=OFF \
  -DCORVANTA_REFERENCE_SOLVE="$root/build/native/tools/corvanta-solve"
logged "$log" "Packing build/release failed" cmake --build build/release --target package
# The search, the Solve and corvanta-solve under ThreadSanitizer.
build tsan all -DCORVANTA_SANITIZE=thread
# The fuzz targets; CTest runs each over its corpus and for a few seconds.
build fuzz fuzzers -DCORVANTA_SANITIZE=fuzzer -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

# Every build's tests in one CTest session.
cat > build/CTestTestfile.cmake <<'CTEST'
subdirs("native" "windows" "release" "tsan" "fuzz")
CTEST

# The project's prefix, an X server, and the Wine server started outside
# CTest, so that no Wine service holds CTest's output open.
source scripts/wine-session.sh
start_wine_session

ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 900
