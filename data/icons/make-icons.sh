#!/usr/bin/env bash
# Draws the PNG sizes of the program's icon from sumafac.svg (the menus and the window want bitmaps of these sizes).
#   data/icons/make-icons.sh        needs rsvg-convert (Debian package librsvg2-bin)
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "Falta rsvg-convert (paquete librsvg2-bin)" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png sumafac.svg --output "sumafac-$size.png"
done
