#!/usr/bin/env bash
# Draws the maker's logo shown on the calculator window: a 150 x 68 GIF.
# Needs ImageMagick (Debian: imagemagick). Run from anywhere.
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/ui/resources/logo.gif"
convert -size 150x68 xc:'#1f3a68' \
    -fill '#e0e0e0' -draw 'rectangle 3,3 146,64' \
    -fill '#1f3a68' -draw 'rectangle 6,6 143,61' \
    -stroke '#f2c200' -strokewidth 3 -fill none \
    -draw 'polyline 12,50 20,20 28,50 36,20 44,50 52,20 60,50' \
    -stroke none -gravity NorthWest -fill white -font DejaVu-Sans-Bold -pointsize 14 -annotate +66+18 'ORVANTA' \
    -fill '#f2c200' -font DejaVu-Sans -pointsize 7 -annotate +67+38 'THREAD GAUGING' \
    -colors 16 "$out"
echo "wrote $out"
