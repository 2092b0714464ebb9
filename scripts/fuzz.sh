#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for SECONDS each, one after the
# other, from its seed corpus and what earlier runs added, and prints for
# each its executions, speed, coverage and findings. New inputs are kept in
# build/fuzz/fuzz/work/NAME, crashing ones in build/fuzz/fuzz/findings/NAME,
# the whole output of a run in build/fuzz/fuzz/logs/NAME.log.
# Usage: scripts/fuzz.sh SECONDS [NAME...]   (NAME: settings_file, exact_ratio, ...)
set -euo pipefail
seconds=${1:?usage: scripts/fuzz.sh SECONDS [NAME...]}
shift
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

build=build/fuzz
mkdir -p "$build"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fuzzers() {
  cmake -S . -B "$build" -DCORVANTA_SANITIZE=fuzzer -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" &&
    cmake --build "$build" --target fuzzers -j"$(nproc)"
}
: >"$build/build.log"
logged "$build/build.log" "Build failed" fuzzers

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for harness in fuzz/*_fuzz.cpp; do
    name=$(basename "$harness" .cpp)
    names+=("${name%_fuzz}")
  done
fi

out=$build/fuzz
mkdir -p "$out/logs"
printf '%-16s %12s %9s %6s %7s %7s %9s  %s\n' target executions exec/s cov features corpus findings status
failed=0
for name in "${names[@]}"; do
  work=$out/work/$name findings=$out/findings/$name/ log=$out/logs/$name.log
  mkdir -p "$work" "$findings"
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$findings")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  before=$(find "$findings" -type f | wc -l)
  status=0
  "$out/${name}_fuzz" "${options[@]}" "$work" "fuzz/corpus/$name" >"$log" 2>&1 || status=$?

  # The final statistics, or after a crash the last status line.
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  [ -n "$executions" ] || executions=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  coverage=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  features=$(grep -oE 'ft: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  corpus=$(($(find "$work" -type f | wc -l) + $(find "fuzz/corpus/$name" -type f | wc -l)))
  found=$(($(find "$findings" -type f | wc -l) - before))
  result=ok
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    result="FAILED (status $status, see $log)"
    failed=1
  fi
  printf '%-16s %12s %9s %6s %7s %7s %9s  %s\n' "$name" "${executions:-?}" "${rate:-?}" \
    "${coverage:-?}" "${features:-?}" "$corpus" "$found" "$result"
done
exit $failed
