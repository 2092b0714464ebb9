#!/usr/bin/env bash
# Draws the program's icon, a twelve-tooth change gear, and writes
# resources/corvanta.ico with the sizes Windows asks for (16, 32, 48, 256).
# Needs ImageMagick's convert. Run it again after changing the drawing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Outline of the gear on a 256-pixel canvas: each tooth is a trapezoid from
# the root circle to the tip circle, so the teeth stay readable at 16 pixels.
outline=$(awk 'BEGIN {
  teeth = 12; cx = 128; cy = 128; tip = 122; root = 92; pi = atan2(0, -1)
  pitch = 2 * pi / teeth
  for (t = 0; t < teeth; t++) {
    a = t * pitch
    # root start, tip start, tip end, root end (fractions of one tooth pitch)
    split("0.00 0.20 0.45 0.65", f, " ")
    split("root tip tip root", r, " ")
    for (i = 1; i <= 4; i++) {
      rad = (r[i] == "tip") ? tip : root
      ang = a + f[i] * pitch
      printf "%.1f,%.1f ", cx + rad * cos(ang), cy + rad * sin(ang)
    }
  }
}')

convert -size 256x256 xc:none \
  -fill '#35506e' -stroke '#1b2838' -strokewidth 6 -draw "polygon $outline" \
  -fill '#8aa4c0' -stroke '#1b2838' -strokewidth 5 -draw "circle 128,128 128,70" \
  +antialias -fill '#ff00ff' -stroke none -draw "circle 128,128 128,102" -transparent '#ff00ff' \
  -antialias -fill none -stroke '#1b2838' -strokewidth 5 -draw "circle 128,128 128,102" \
  "$work/gear-256.png"

for size in 48 32 16; do
  convert "$work/gear-256.png" -filter Lanczos -resize ${size}x${size} "$work/gear-$size.png"
done
convert "$work/gear-16.png" "$work/gear-32.png" "$work/gear-48.png" "$work/gear-256.png" \
  "$root/resources/corvanta.ico"
echo "Wrote $root/resources/corvanta.ico"
