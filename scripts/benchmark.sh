#!/usr/bin/env bash
# Times the fast search against the literal one (corvanta-solve --literal)
# on a fixed table of jobs, on this machine, in one run. Builds
# corvanta-solve in Release without sanitizers in build/benchmark, checks
# per job that both searches print the same (every result, each stored
# value to 30 decimals, and the display lines of the first ten), then runs
# each search RUNS times (default 3, five times that for jobs under 0.2 s),
# alternating, and prints per job the median wall time of each, their ratio
# and the peak memory of each (in three runs of its own, under GNU time,
# apart from the timed ones; TABLE=0 skips the table). Then (unless
# WINDOW=0) it times "&Solve" in
# corvanta.exe under Wine on the 154-gear job, clicked from another process,
# at two feed rates, each Solve followed by a run of corvanta-solve on the
# same job, and prints both medians and their ratio.
# Not part of the tests; run it when the machine is otherwise idle.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"
scripts/install-deps.sh benchmark  # GNU time for the peak memory
runs=${RUNS:-3}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build/benchmark -DCMAKE_BUILD_TYPE=Release -DCORVANTA_SANITIZE=OFF \
  "${launcher[@]}" >build/benchmark.log 2>&1
cmake --build build/benchmark --target corvanta-solve -j"$(nproc)" >>build/benchmark.log 2>&1
tool=build/benchmark/tools/corvanta-solve
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The first n gears of the stock (16 teeth upwards), as --stock takes them.
first_gears() { printf '1%.0s' $(seq "$1"); echo 0; }
default_stock=$(printf '0%.0s' $(seq 14))$(first_gears 61)  # 30 to 90 teeth
big="--index-const 30 --feed-const 0.075 --feed-rate 0.0250 --helix 15 --ndp 12 --teeth 57"
big+=" --hob-threads 2 --setup 5"
regression="--index-const 30 --feed-const 0.075 --feed-rate .025 --helix 30 --ndp 10 --teeth 40"
regression+=" --hob-threads 1 --setup 0"

# name | gears | options (every job runs on 2 processors)
jobs=(
  "helix 30, 40 teeth, 1 thread, row 0|61|$regression --stock $default_stock"
  "helix 15, 57 teeth, 2 threads, row 5|154|$big --stock 1"
  "the same, whole C only|154|$big --stock 1 --whole-c"
  "the same, 500 teeth|154|${big/--teeth 57/--teeth 500} --stock 1"
  "the same, 24 hob threads|154|${big/--hob-threads 2/--hob-threads 24} --stock 1"
  "helix 15, 57 teeth, 2 threads, row 5|20|$big --stock $(first_gears 20)"
  "helix 15, 57 teeth, 2 threads, row 5|40|$big --stock $(first_gears 40)"
  "helix 15, 57 teeth, 2 threads, row 5|80|$big --stock $(first_gears 80)"
)

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
max() { sort -g | tail -1; }

# run NAME OPTIONS...: one run; its output in $work/NAME.out, its wall time
# (s, from the shell's clock) appended to $work/NAME.times. Nothing else is
# started with it, so that the time is the program's own.
run() {
  local name=$1 start end
  shift
  start=$EPOCHREALTIME
  XDG_DATA_HOME=$work "$tool" --processors 2 --json "$@" >"$work/$name.out"
  end=$EPOCHREALTIME
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", e - s }' >>"$work/$name.times"
}

# peak OPTIONS...: the peak memory (KB) of one run, measured apart from the
# timed runs.
peak() {
  XDG_DATA_HOME=$work /usr/bin/time -f '%M' -o "$work/memory" \
    "$tool" --processors 2 --json "$@" >/dev/null
  cat "$work/memory"
}

failed=0
if [ "${TABLE:-1}" != 0 ]; then
  echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo
  echo "| job | gears | candidates | literal (s) | fast (s) | literal / fast | peak memory literal / fast (MB) |"
  echo "|---|---|---|---|---|---|---|"
  for entry in "${jobs[@]}"; do
    IFS='|' read -r name gears options <<<"$entry"
    read -r -a args <<<"$options"  # one line: options without spaces inside
    rm -f "$work"/*.times
    run full-fast "${args[@]}" --results 200
    run full-literal "${args[@]}" --results 200 --literal
    if ! cmp -s "$work/full-fast.out" "$work/full-literal.out"; then
      echo "| $name | $gears | THE OUTPUTS DIFFER |"
      failed=1
      continue
    fi
    # A job that ends in a few hundredths of a second is mostly process start
    # and the pauses before the workers, and the machine's noise is of that
    # size: five times as many runs for those.
    job_runs=$runs
    awk -v t="$(cat "$work/full-literal.times")" 'BEGIN { exit !(t < 0.2) }' &&
      job_runs=$((runs * 5))
    rm -f "$work"/*.times
    for ((k = 0; k < job_runs; ++k)); do
      run literal "${args[@]}" --literal
      run fast "${args[@]}"
      cmp -s "$work/fast.out" "$work/literal.out" || { echo "| $name | outputs differ |"; failed=1; }
    done
    candidates=$(sed -n 's/^ *"candidates": \([0-9]*\).*/\1/p' "$work/fast.out")
    literal=$(median <"$work/literal.times")
    fast=$(median <"$work/fast.times")
    ratio=$(awk -v l="$literal" -v f="$fast" 'BEGIN { printf "%.1f", (f > 0 ? l / f : 0) }')
    memory_literal=$(for k in 1 2 3; do peak "${args[@]}" --literal; done | max)
    memory_fast=$(for k in 1 2 3; do peak "${args[@]}"; done | max)
    awk -v n="$name" -v g="$gears" -v c="$candidates" -v l="$literal" -v f="$fast" -v r="$ratio" \
      -v ml="$memory_literal" -v mf="$memory_fast" \
      'BEGIN { printf "| %s | %s | %s | %.3f | %.3f | %s | %.1f / %.1f |\n", n, g, c, l, f, r, ml / 1024, mf / 1024 }' 
  done
  echo
  echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "Medians of $runs runs each ($((runs * 5)) for jobs under 0.2 s); both searches on 2"
  echo "processors; outputs compared."
fi

# Gear advice (ADVICE=0 skips it): the first job's single-gear advice against
# a loop of corvanta-solve once per gear the stock lacks, each with that gear
# added; pairs on a 40-gear stock and on the first job's stock; peak memory
# against one Solve of the same stock.
if [ "${ADVICE:-1}" != 0 ]; then
  read -r -a args <<<"$regression"
  # with_gear TEETH: the default stock with that gear added.
  with_gear() {
    local k=$(($1 - 16)) stock
    stock=$(printf '%-154s' "$default_stock" | tr ' ' 0)
    echo "${stock:0:k}1${stock:k+1}"
  }
  lacking=()
  for ((t = 16; t <= 169; ++t)); do
    k=$((t - 16))
    [ "${default_stock:k:1}" = 1 ] || lacking+=("$t")
  done
  rm -f "$work"/*.times
  for ((k = 0; k < runs; ++k)); do
    start=$EPOCHREALTIME
    for t in "${lacking[@]}"; do
      XDG_DATA_HOME=$work "$tool" --processors 2 --json --results 1 "${args[@]}" \
        --stock "$(with_gear "$t")" >/dev/null
    done
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", e - s }' >>"$work/loop.times"
    run advise "${args[@]}" --stock "$default_stock" --advise
    read -r -a big_job <<<"$big"
    run pairs40 "${big_job[@]}" --stock "$(first_gears 40)" --advise-pairs
  done
  run pairs "${args[@]}" --stock "$default_stock" --advise-pairs
  loop=$(median <"$work/loop.times")
  advise=$(median <"$work/advise.times")
  echo
  echo "| advice | stocks searched | corvanta-solve once per stock (s) | one run (s) | ratio | peak memory, one Solve / the advice (MB) |"
  echo "|---|---|---|---|---|---|"
  solve_memory=$(peak "${args[@]}" --stock "$default_stock")
  advise_memory=$(peak "${args[@]}" --stock "$default_stock" --advise)
  awk -v n=${#lacking[@]} -v l="$loop" -v a="$advise" -v ms="$solve_memory" -v ma="$advise_memory" \
    'BEGIN { printf "| single gears, helix 30, 40 teeth, 61 gears | %d | %.3f | %.3f | %.1f | %.1f / %.1f |\n", n, l, a, l / a, ms / 1024, ma / 1024 }'
  read -r -a big_job <<<"$big"
  memory40=$(peak "${big_job[@]}" --stock "$(first_gears 40)" --advise-pairs)
  solve40=$(peak "${big_job[@]}" --stock "$(first_gears 40)")
  tried40=$(sed -n 's/^ *"tried": \([0-9]*\).*/\1/p' "$work/pairs40.out")
  awk -v n="$tried40" -v a="$(median <"$work/pairs40.times")" -v ms="$solve40" -v ma="$memory40" \
    'BEGIN { printf "| pairs too, helix 15, 57 teeth, 40 gears | %d | | %.3f | | %.1f / %.1f |\n", n, a, ms / 1024, ma / 1024 }'
  memory=$(peak "${args[@]}" --stock "$default_stock" --advise-pairs)
  tried=$(sed -n 's/^ *"tried": \([0-9]*\).*/\1/p' "$work/pairs.out")
  awk -v n="$tried" -v a="$(cat "$work/pairs.times")" -v ms="$solve_memory" -v ma="$memory" \
    'BEGIN { printf "| pairs too, helix 30, 40 teeth, 61 gears | %d | | %.3f | | %.1f / %.1f |\n", n, a, ms / 1024, ma / 1024 }'
  echo "Medians of $runs runs (the last row: one run); every search on 2 processors."
fi

[ "${WINDOW:-1}" = 0 ] && exit $failed

# The window: corvanta.exe under Wine (the build a shop installs) with all
# 154 gears, the second job above entered, and "&Solve" clicked WINDOW_RUNS
# times (default 7) from another process, which times each click until the
# window has run the Solve and shown its first result. Beside it, the same
# Solve without the window (solve_probe: the window's driver on in-memory
# controls, on the window's threads, under Wine): what the window adds is
# the difference between those two; the rest of the difference to
# corvanta-solve is the Windows build's under Wine.
window_runs=${WINDOW_RUNS:-7}
{ configure_windows "${launcher[@]}" &&
  cmake --build build/windows --target corvanta window_probe solve_probe -j"$(nproc)"; } >>build/benchmark.log 2>&1
probe=build/windows/tests/app/window_probe.exe
windowless=build/windows/tests/app/solve_probe.exe
export WINEPREFIX=$root/build/benchmark-wine-prefix
source scripts/wine-session.sh
scripts/wine-prefix.sh
settings="$WINEPREFIX/drive_c/ProgramData/Tarnwick Works/Corvanta"
mkdir -p "$settings"
printf '[Settings]\r\nIndex Constant=30\r\nFeed Constant=0.075\r\nFeed Rate=0.0250\r\nChange Gears=1\r\n' \
  >"$settings/settings.ini"
start_wine_session :  # the prefix is ready
at_exit 'rm -rf "$work"'
wine build/windows/app/corvanta.exe >"$work/corvanta.log" 2>&1 &
id() { sed -n "s/^#define $1 \([0-9]*\).*/\1/p" resources/resource.h; }
# Asks the window again until it answers: it takes a while to show.
ask() {
  local tries
  for ((tries = 0; tries < 600; ++tries)); do
    wine "$probe" "$@" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  echo "corvanta.exe did not answer \"$*\" within two minutes" >&2
  return 1
}
ask set "$(id IDC_NORMAL_DIAMETRAL_PITCH)" 12
ask set "$(id IDC_HOB_THREADS)" 2
ask select "$(id IDC_NUMBER_OF_TEETH)" 56  # 57 teeth
ask select "$(id IDC_HAND_CUT_CHOOSER)" 5
read -r -a big_args <<<"$big"
echo
echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| the 154-gear job, feed rate | candidates | window under Wine (s) | without the window, under Wine (s) | corvanta-solve (s) | window / corvanta-solve | window / without the window |"
echo "|---|---|---|---|---|---|---|"
for feed_rate in 0.0250 .025; do
  ask set "$(id IDC_FEED_RATE)" "$feed_rate"
  rm -f "$work"/*.times
  for ((k = 0; k < window_runs; ++k)); do
    # A field changed and changed back drops the result and validates the
    # job again, as the operator's next job would.
    ask set "$(id IDC_HELIX_ANGLE)" 16
    ask set "$(id IDC_HELIX_ANGLE)" 15
    wine "$probe" solve 2>/dev/null | tr -d '\r' >>"$work/window.times" ||
      { echo "The window's Solve could not be clicked"; exit 1; }
    run tool "${big_args[@]/0.0250/$feed_rate}" --stock 1
    wine "$windowless" 30 0.075 "$feed_rate" 15 12 57 2 5 2>/dev/null | tr -d '\r' \
      >>"$work/windowless.times" || { echo "The Solve without the window failed"; exit 1; }
  done
  window=$(cut -d' ' -f1 "$work/window.times" | median)
  windowless_time=$(cut -d' ' -f1 "$work/windowless.times" | median)
  tool_time=$(median <"$work/tool.times")
  candidates=$(sed -n 's/^ *"candidates": \([0-9]*\).*/\1/p' "$work/tool.out")
  awk -v f="$feed_rate" -v c="$candidates" -v w="$window" -v l="$windowless_time" -v t="$tool_time" \
    'BEGIN { printf "| %s | %s | %.3f | %.3f | %.3f | %.2f | %.2f |\n", f, c, w, l, t, (t > 0 ? w / t : 0), (l > 0 ? w / l : 0) }'
  echo "(window from $(cut -d' ' -f1 "$work/window.times" | sort -g | head -1) to \
$(cut -d' ' -f1 "$work/window.times" | sort -g | tail -1) s; first result: \
$(head -1 "$work/window.times" | cut -d' ' -f2-); without the window: \
$(head -1 "$work/windowless.times" | cut -d' ' -f2-))"
done
echo
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Medians of $window_runs Solves each, the window's, the tool's and the windowless runs alternating."
exit $failed
