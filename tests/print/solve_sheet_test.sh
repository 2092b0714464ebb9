#!/usr/bin/env bash
# corvanta-solve --sheet: the PDF carries the trains the solver lists for
# the --sheet-result chosen.
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

echo "ok"
