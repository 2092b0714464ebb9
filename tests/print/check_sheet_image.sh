#!/usr/bin/env bash
# Turns a page the sheet tests wrote (PDF, PostScript or BMP) into a PNG
# beside it; checks it is neither blank nor all ink, and carries each TEXT
# (@FILE: each line of FILE).
# Usage: check_sheet_image.sh INPUT OUTPUT.png [TEXT...|@FILE...]
set -euo pipefail
input=$1 png=$2
shift 2
[ -s "$input" ] || { echo "no page: $input is missing or empty" >&2; exit 1; }
case "$input" in
  *.bmp) convert "$input" "$png" ;;
  *) gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r100 -o "$png" "$input" ;;
esac

mean=$(convert "$png" -colorspace Gray -format '%[fx:mean]' info:)  # 0 black, 1 white
echo "$png: mean brightness $mean"
awk -v m="$mean" 'BEGIN { exit !(m > 0.80 && m < 0.995) }' || { echo "blank or black page" >&2; exit 1; }

[ $# -gt 0 ] || exit 0
# The page's text line by line, as a reader sees it: pdftotext joins the
# runs of one line even where a face of another size (the psi) sits on
# another baseline. Wine's PostScript blank and hyphen read back as no-break
# space and soft hyphen.
pdf=$input
if [[ "$input" == *.ps ]]; then
  pdf=$(mktemp --suffix=.pdf)
  trap 'rm -f "$pdf"' EXIT
  ps2pdf -dSAFER "$input" "$pdf"
fi
text=$(pdftotext -layout "$pdf" - | sed -e 's/\xc2\xa0/ /g' -e 's/\xc2\xad/-/g')
wanted=()
for arg in "$@"; do
  if [[ "$arg" == @* ]]; then
    [ -s "${arg#@}" ] || { echo "no lines in ${arg#@}" >&2; exit 1; }
    mapfile -t -O ${#wanted[@]} wanted < "${arg#@}"
  else
    wanted+=("$arg")
  fi
done
for line in "${wanted[@]}"; do
  grep -qF -- "$line" <<<"$text" || { echo "text not found: $line" >&2; echo "$text" >&2; exit 1; }
done
