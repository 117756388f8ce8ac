#!/usr/bin/env bash
# Draws toolbar.png for the help pages from the program's toolbar bitmap: the
# eleven buttons at twice their size on the button face, the separators where
# the toolbar has them, and a number under each button for the pages' tables.
#   resources/help/make_toolbar_png.sh   (from any folder; needs ImageMagick and
#   the DejaVu fonts; rerun it whenever resources/toolbar.bmp changes)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src=$here/../toolbar.bmp out=$here/toolbar.png
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
face='#f0f0f0'
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
parts=()
for i in $(seq 0 10); do
  convert "$src" -crop 18x18+$((i * 18))+0 +repage -fill "$face" -opaque '#ff00ff' \
    -filter point -resize 200% -bordercolor "$face" -border 8x6 \
    \( -size 52x26 xc:"$face" -font "$font" -pointsize 18 -fill '#2b4763' -gravity center \
       -annotate +0+0 "$((i + 1))" \) \
    -append "$tmp/button$i.png"
  parts+=("$tmp/button$i.png")
  if [ "$i" = 5 ] || [ "$i" = 9 ]; then
    convert -size 18x74 xc:"$face" -fill '#a0a0a0' -draw 'rectangle 8,6 8,42' \
      -fill white -draw 'rectangle 9,6 9,42' "$tmp/separator$i.png"
    parts+=("$tmp/separator$i.png")
  fi
done
convert "${parts[@]}" +append -bordercolor "$face" -border 6x2 -bordercolor '#b7c3cf' -border 1 \
  -depth 8 -strip -define png:exclude-chunks=date,time "$out"
