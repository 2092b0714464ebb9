#!/usr/bin/env bash
# Turns a page the sheet tests wrote (PDF, PostScript or BMP) into a PNG
# beside it and checks the result: not blank, not all ink, and for PDF and
# PostScript that the sheet's lines are there as text.
# Usage: check_sheet_image.sh INPUT OUTPUT.png [TEXT...]
set -euo pipefail
input=$1 png=$2
shift 2
[ -s "$input" ] || { echo "no page: $input is missing or empty" >&2; exit 1; }

case "$input" in
  *.bmp) convert "$input" "$png" ;;
  *) gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r100 -o "$png" "$input" ;;
esac

# Mean brightness of the page, 0 (black) to 1 (white): a sheet of text on
# white paper lies well inside.
mean=$(convert "$png" -colorspace Gray -format '%[fx:mean]' info:)
echo "$png: mean brightness $mean"
awk -v m="$mean" 'BEGIN { exit !(m > 0.80 && m < 0.995) }' || {
  echo "the page is blank or black" >&2
  exit 1
}

if [ $# -gt 0 ]; then
  # Wine's PostScript names the blank and the hyphen by glyphs that read
  # back as the no-break space and the soft hyphen.
  text=$(gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -o - "$input" |
         sed -e 's/\xc2\xa0/ /g' -e 's/\xc2\xad/-/g')
  for wanted in "$@"; do
    grep -qF -- "$wanted" <<<"$text" || {
      echo "text not found on the page: $wanted" >&2
      echo "$text" >&2
      exit 1
    }
  done
fi
