#!/usr/bin/env bash
# Takes a picture of the calculator window under a virtual display
# (Debian: xvfb, xauth, imagemagick) and writes it to the path given.
set -euo pipefail
out="${1:-docs/calculator.png}"
root="$(cd "$(dirname "$0")/.." && pwd)"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c "
    '$root/build/default/app/orvanta' & app=\$!
    sleep 2
    import -window root '$out.root.png'
    kill \$app"
# The display around the window is black: trim it away.
convert "$out.root.png" -trim +repage "$out"
rm -f "$out.root.png"
echo "wrote $out"
