#!/usr/bin/env bash
# Runs a command as on a desktop with a screen reader: its own D-Bus session,
# the AT-SPI accessibility bus in it, and Qt publishing its tree to that bus.
# Needs an X display (run under xvfb-run). Debian: dbus, at-spi2-core.
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ] || ! command -v dbus-run-session > /dev/null; then
    echo "skipped: the AT-SPI bus is not installed (Debian: dbus, at-spi2-core)"
    exit 0
fi
exec dbus-run-session -- bash -c '
    "$0" --launch-immediately & launcher=$!
    trap "kill $launcher 2> /dev/null" EXIT
    # The bus is up once it answers with its address.
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            > /dev/null 2>&1 && break
        sleep 0.1
    done
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"' "$launcher" "$@"
