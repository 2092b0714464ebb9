#!/usr/bin/env bash
# corvanta-solve on a few small jobs with 1, 2, 8, 64 and 65 processors:
# every run ends with status 0 and reports the split it was given, and the
# best result is the same whatever the split (each worker keeps the best of
# its own candidates, so the overall best always survives). The thread-
# sanitizer build runs this too, over every number of workers.
# Usage: processor_counts_test.sh CORVANTA_SOLVE
set -euo pipefail
solve=$1
fail() { echo "$1" >&2; exit 1; }

# The stock text in which the gears of FIRST to LAST teeth are owned.
stock() {
  local t
  for ((t = 16; t < 170; t++)); do ((t >= $1 && t <= $2)) && printf 1 || printf 0; done
}

data=$(mktemp -d)  # no saved settings of this machine
trap 'rm -rf "$data"' EXIT

# 77 candidates, so that 64 and 65 workers all get some; and 19, fewer
# than the workers asked for.
jobs=(
  "--helix 30 --ndp 10 --teeth 40 --stock $(stock 30 70)"
  "--helix 15 --ndp 6 --teeth 33 --hob-threads 2 --setup 3 --stock $(stock 20 60)"
)
for job in "${jobs[@]}"; do
  first=""
  for processors in 1 2 8 64 65; do
    # shellcheck disable=SC2086  # the job is a list of options
    out=$(XDG_DATA_HOME=$data "$solve" $job --processors "$processors" --results 1) ||
      fail "status $? for: $job --processors $processors"
    summary=$(sed -n 3p <<<"$out")
    [[ $summary =~ ^[0-9]+\ candidates,\ [0-9]+\ results,\ $processors\ processors$ ]] ||
      fail "summary \"$summary\" for: $job --processors $processors"
    best=$(sed -n '/^Result 1 /,$ p' <<<"$out" | tail -n +2)  # without "of N"
    [ -n "$first" ] || first=$best
    [ "$best" == "$first" ] ||
      fail "best result with $processors processors differs for: $job"$'\n'"$first"$'\n'"$best"
  done
  echo "${summary%%,*} ok: $job"
done
