#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
# Quiet when everything is already there.
#   scripts/install-deps.sh [GROUP...]
# A GROUP adds the packages of one script that needs more: benchmark (GNU
# time, for the peak memory).
set -euo pipefail

packages=(
  cmake make g++                        # native build of the computing core
  clang-format                          # the format check of the sources
  g++-mingw-w64-x86-64-posix            # the Windows program
  binutils-mingw-w64-x86-64             # windres
  libboost-dev googletest               # Boost.Multiprecision/Math, GoogleTest sources
  libcli11-dev nlohmann-json3-dev       # options and JSON of the command-line solver
  wine wine64 xvfb x11-utils            # running and testing the program
  imagemagick xdotool                   # screenshots, driving the window
  fonts-wine fonts-liberation fonts-lato # legible fonts inside Wine
  libcairo2-dev pkg-config ghostscript  # the set-up sheet as PDF; PostScript prints to PNG
  poppler-utils                         # the sheet's picture (pdftoppm), a printed page's text (pdftotext)
  nsis help2man dpkg-dev man-db         # the installer, the Debian package and its manual page
  clang libclang-rt-14-dev              # the fuzz targets: libFuzzer and clang's sanitizers
  python3                               # the golden texts worked out again (tests/support)
)

for group in "$@"; do
  case $group in
    benchmark) packages+=(time) ;;
    *)
      echo "install-deps.sh: no package group \"$group\" (there is: benchmark)" >&2
      exit 2
      ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
