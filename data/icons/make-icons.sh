#!/usr/bin/env bash
# Draws the PNG sizes of the program's icon from sumafac.svg (the menus and the window want bitmaps of these sizes),
# and the window's sizes again as bare 8-bit RGBA pixels, which the program takes as they are instead of decoding.
#   data/icons/make-icons.sh        needs rsvg-convert (Debian package librsvg2-bin) and ImageMagick's convert
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "Falta rsvg-convert (paquete librsvg2-bin)" >&2; exit 1; }
command -v convert >/dev/null || { echo "Falta convert (paquete imagemagick)" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png sumafac.svg --output "sumafac-$size.png"
done
for size in 16 32 48 64; do
    convert "sumafac-$size.png" -depth 8 "RGBA:sumafac-$size.rgba"
done
