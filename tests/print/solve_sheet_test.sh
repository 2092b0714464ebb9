#!/usr/bin/env bash
# corvanta-solve --sheet: the PDF carries the trains the solver lists for
# the --sheet-result chosen, and a sheet that cannot be written is reported.
# Usage: solve_sheet_test.sh CORVANTA_SOLVE CHECK_SHEET_IMAGE
set -euo pipefail
solve=$1 check=$2
fail() { echo "$1" >&2; exit 1; }

# The regression job on the stock of 30 to 90 teeth.
stock=$(printf '0%.0s' $(seq 14); printf '1%.0s' $(seq 61); printf '0%.0s' $(seq 79))
job=(--index-const 30 --feed-const 0.075 --feed-rate .025 --helix 30 --ndp 10 --teeth 40
     --stock "$stock" --processors 1)

listing=$("$solve" "${job[@]}" --results 2 --sheet cli_sheet.pdf --sheet-result 2)
# "  Index: 39 67 / 60 58": the upper cells, then the lower ones.
read -r a b _ c d < <(sed -n '/^Result 2 /,$ s/^  Index: //p' <<<"$listing")
[ -n "${d:-}" ] || fail "no index train listed for result 2: $listing"
bash "$check" cli_sheet.pdf cli_sheet.png "HOB HELICAL GEAR WITH DIFFERENTIAL LOCKED-OUT OR NOT PRESENT" \
  "$a x $b" "$c x $d" "Index Change-Gears:"

# A sheet that cannot be written: status 1 and one line with the system's
# reason.
status=0
err=$("$solve" "${job[@]}" --results 0 --sheet /dev/full 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "--sheet /dev/full ended with status $status: $err"
[ "$err" == 'corvanta-solve: --sheet: cannot write "/dev/full": No space left on device' ] ||
  fail "--sheet /dev/full said: $err"

echo "ok"
