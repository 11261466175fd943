#!/usr/bin/env bash
# Pictures of the agreement and calculator windows under a virtual display
# (Debian: xvfb, xauth, imagemagick, xdotool), written into the folder given.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(cd "${1:-$root/docs}" && pwd)"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c "
    '$root/build/default/app/orvanta' & app=\$!
    sleep 2
    import -window root '$out/agreement.root.png'
    xdotool key Tab Return
    sleep 1
    import -window root '$out/calculator.root.png'
    kill \$app"
# The display around the window is black: trim it away.
for name in agreement calculator; do
    convert "$out/$name.root.png" -trim +repage "$out/$name.png"
    rm -f "$out/$name.root.png"
    echo "wrote $out/$name.png"
done
