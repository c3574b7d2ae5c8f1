#!/bin/sh
# SPDX-License-Identifier: MIT
# Draws the application icon's PNG sizes into packaging/icons/ (committed; run again after a
# change of the SVGs). 16 pixels come from the drawing made for that size, the rest from the
# full icon. Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/../packaging"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert (librsvg2-bin) is needed" >&2; exit 1; }
rsvg-convert -w 16 -h 16 icons/qorlview-16.svg -o icons/com.halvex.QorlViewer-16.png
for size in 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" com.halvex.QorlViewer.svg \
    -o "icons/com.halvex.QorlViewer-$size.png"
done
ls -l icons/*.png
