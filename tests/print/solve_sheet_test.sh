#!/usr/bin/env bash
# corvanta-solve --sheet: the PDF carries the trains the solver lists for
# the --sheet-result chosen; a missing result, or --sheet-result alone, fail.
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

! "$solve" "${job[@]}" --results 0 --sheet missing.pdf --sheet-result 1000000 >/dev/null 2>err.txt ||
  fail "a result beyond the list was accepted"
grep -q "no result 1000000" err.txt || fail "$(cat err.txt)"
[ ! -e missing.pdf ] || fail "a sheet was written for no result"
! "$solve" "${job[@]}" --results 0 --sheet-result 2 >/dev/null 2>&1 ||
  fail "--sheet-result without --sheet was accepted"
echo "ok"
