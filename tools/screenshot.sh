#!/usr/bin/env bash
# Pictures of the agreement and calculator windows under a virtual display
# (Debian: xvfb, xauth, imagemagick, xdotool), written into the folder given.
#   SCALE=2 tools/screenshot.sh docs   the same at 200 % (files end in -200)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(cd "${1:-$root/docs}" && pwd)"
scale="${SCALE:-1}"
suffix=""
[ "$scale" != 1 ] && suffix="-$(awk "BEGIN { print $scale * 100 }")"
xvfb-run -a -s "-screen 0 2200x1400x24 -dpi 96" env QT_SCALE_FACTOR="$scale" bash -c "
    '$root/build/default/app/orvanta' & app=\$!
    sleep 2
    import -window root '$out/agreement.root.png'
    xdotool key Tab Return
    sleep 1
    import -window root '$out/calculator.root.png'
    kill \$app"
# The display around the window is black: trim it away.
for name in agreement calculator; do
    convert "$out/$name.root.png" -trim +repage "$out/$name$suffix.png"
    rm -f "$out/$name.root.png"
    echo "wrote $out/$name$suffix.png"
done
