#!/usr/bin/env bash
# Pictures of the agreement and calculator windows, the standard thread dialog and the thread record under a virtual display
# (Debian: xvfb, xauth, imagemagick, xdotool), written into the folder given.
#   SCALE=2 tools/screenshot.sh docs   the same at 200 % (files end in -200)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(cd "${1:-$root/docs}" && pwd)"
scale="${SCALE:-1}"
build="${BUILD:-$root/build/default}"
suffix=""
[ "$scale" != 1 ] && suffix="-$(awk "BEGIN { print $scale * 100 }")"
xvfb-run -a -s "-screen 0 2200x1400x24 -dpi 96" env QT_SCALE_FACTOR="$scale" bash -c "
    '$build/app/orvanta' & app=\$!
    sleep 2
    import -window root '$out/agreement.root.png'
    xdotool key Tab Return
    sleep 1
    import -window root '$out/calculator.root.png'
    xdotool key alt+t
    sleep 1
    xdotool type --delay 20 '1/2-13 UNC-2A/2B'
    sleep 1
    import -window root '$out/thread-dialog.root.png'
    kill \$app
    # The record, from limits typed by hand: a window closed without a
    # window manager leaves none active for the next access key.
    '$build/app/orvanta' & app=\$!
    sleep 2
    xdotool key Tab Return
    sleep 1
    for value in 0.4485 0.4435 0.0005 0.0002 0.4500 0.4565 0.0002 0.0005; do
        xdotool type --delay 20 \$value
        xdotool key Tab
    done
    sleep 1
    xdotool key alt+s
    sleep 1
    xdotool type --delay 20 'PN-4711 rev. B'
    sleep 1
    import -window root '$out/sheet.root.png'
    kill \$app"
# The display around the window is black: trim it away.
for name in agreement calculator thread-dialog sheet; do
    convert "$out/$name.root.png" -trim +repage "$out/$name$suffix.png"
    rm -f "$out/$name.root.png"
    echo "wrote $out/$name$suffix.png"
done
