#!/usr/bin/env bash
# The Debian package of corvanta-solve as a shop gets it: its control file
# and contents, installed with dpkg into an empty folder tree (no chroot),
# its manual page rendered by man, the installed tool solving the regression
# job with the same first result as the reference build, and `cmake
# --install` putting the same files under another prefix.
#   debian_package_test.sh PACKAGE.deb VERSION REFERENCE_SOLVE BUILD_DIR WORK_DIR
set -euo pipefail
deb=$1 version=$2 reference=$3 build=$4 work=$5
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
[ -f "$deb" ] || fail "no package $deb: build it with: cmake --build $build --target package"
rm -rf "$work"
mkdir -p "$work"

echo "-- control file"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = corvanta-solve ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
[[ $(field Maintainer) == *@* ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
# Every library the tool loads comes from a package that Depends names.
depends=$(field Depends)
echo "   Depends: $depends"
depended=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')  # the package names
tool_in_deb=$work/extracted
dpkg-deb -x "$deb" "$tool_in_deb"
tool=$tool_in_deb/usr/bin/corvanta-solve
# cairo and fontconfig are opened when a sheet is written, from the folder
# the loader takes the C library from.
libraries=$(objdump -p "$tool" | awk '$1 == "NEEDED" {print $2}')
system_folder=$(dirname "$(ldd "$tool" | awk '$1 ~ /^libc\.so/ {print $3}')")
for library in $libraries libcairo.so.2 libfontconfig.so.1; do
  # The file the loader picks, looked up in its multiarch folder (not lib32/).
  path=$(ldd "$tool" | awk -v name="$library" '$1 == name {print $3}')
  [ -n "$path" ] || path=$system_folder/$library
  owner=$(dpkg -S "*/$(basename "$(dirname "$path")")/$library" 2>/dev/null | cut -d: -f1)
  [ -n "$owner" ] || fail "no installed package holds $library ($path)"
  grep -qxF "$owner" <<<"$depended" || fail "$library ($owner) is not in Depends"
done

echo "-- contents"
listing=$(dpkg-deb -c "$deb" | awk '{print $1, $2, $6}')
expected="drwxr-xr-x root/root ./usr/
drwxr-xr-x root/root ./usr/bin/
-rwxr-xr-x root/root ./usr/bin/corvanta-solve
drwxr-xr-x root/root ./usr/share/
drwxr-xr-x root/root ./usr/share/man/
drwxr-xr-x root/root ./usr/share/man/man1/
-rw-r--r-- root/root ./usr/share/man/man1/corvanta-solve.1.gz"
[ "$(sort <<<"$listing")" = "$(sort <<<"$expected")" ] || fail "contents:
$listing"
# The release binary: stripped, with its debug information left beside it
# in the build tree.
sections=$(objdump -h "$tool")
grep -q '\.gnu_debuglink' <<<"$sections" || fail "no debug link"
! grep -q '\.debug_info' <<<"$sections" || fail "the packaged tool carries its debug information"

echo "-- dpkg --root into an empty folder tree"
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: >"$root/var/lib/dpkg/status"
# The libraries are the host's, so the tree itself need not hold them;
# --path-include overrides a host's path-exclude of manual pages.
dpkg --root="$root" --log=/dev/null --force-depends --path-include='/*' -i "$deb" \
  >"$work/dpkg.txt" 2>&1 || fail "dpkg -i failed: $(cat "$work/dpkg.txt")"
dpkg --root="$root" -s corvanta-solve | grep -qx 'Status: install ok installed' ||
  fail "dpkg does not list the package as installed"

echo "-- man corvanta-solve"
page=$(MANWIDTH=100 MAN_DISABLE_SECCOMP=1 man -M "$root/usr/share/man" corvanta-solve 2>&1) ||
  fail "man failed: $page"
for text in "corvanta-solve - find the change gears" "--helix" "--setup" "--hob RH|LH" \
  "corvanta-solve $version" "EXIT STATUS" \
  "Tarnwick Works/Corvanta/settings.ini"; do
  grep -qF -- "$text" <<<"$page" || fail "the manual page lacks \"$text\":
$page"
done

echo "-- the regression job, installed against reference"
job=(--index-const 30 --feed-const 0.075 --feed-rate .025 --helix 30 --ndp 10 --teeth 40
  --hob-threads 1 --setup 0 --processors 2 --results 1)
# Empty data folders: the default gear stock, no saved settings.
mkdir -p "$work/data-installed" "$work/data-reference"
installed_out=$(XDG_DATA_HOME=$work/data-installed "$root/usr/bin/corvanta-solve" "${job[@]}") ||
  fail "the installed tool failed"
reference_out=$(XDG_DATA_HOME=$work/data-reference "$reference" "${job[@]}") ||
  fail "the reference tool failed"
grep -q '^Result 1 of ' <<<"$installed_out" || fail "no result: $installed_out"
[ "$installed_out" = "$reference_out" ] || fail "the installed tool's first result differs:
$installed_out
--- reference ($reference):
$reference_out"
sed -n '/^Result 1 /,$p' <<<"$installed_out"

echo "-- cmake --install into another prefix"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f | sort) >"$work/installed.txt"
(cd "$root/usr" && find . -type f | sort) >"$work/packaged.txt"
diff "$work/packaged.txt" "$work/installed.txt" || fail "cmake --install installs other files"
while read -r file; do
  cmp -s "$prefix/$file" "$root/usr/$file" || fail "$file differs"
done <"$work/installed.txt"

echo "The package installs, its manual page renders and its tool gives the reference's result."
