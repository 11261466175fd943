#!/usr/bin/env bash
# Runs a test with a CUPS scheduler and a cups-pdf queue to print to, set
# as the default destination; the test finds the queue's folder in
# ORVANTA_CUPS_PDF_DIR. Skipped, with the reason, where CUPS cannot start.
# Leaves the system as it found it: the default destination it had, the
# queue gone unless it was there before, the scheduler stopped if started here.
set -uo pipefail
skip() { echo "skipped: $*"; exit 0; }
[ "$(id -u)" = 0 ] || skip "starting CUPS needs root"
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || skip "CUPS is not installed (Debian: cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "cups-pdf is not installed (Debian: printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || skip "the cups-pdf PPD is missing"
queue=OrvantaPDF

scheduler=""    # the cupsd started here, if any
previous=""     # the default destination before, if there was one
had_queue=no
changed_default=no
# The server's own default, not one a user's lpoptions or LPDEST would give.
server_default() {
    local home
    home=$(mktemp -d) || return
    env -u LPDEST -u PRINTER HOME="$home" LC_ALL=C lpstat -d 2>/dev/null |
        sed -n 's/^system default destination: //p'
    rmdir "$home"
}
restore() {
    if [ "$had_queue" = no ]; then
        lpadmin -x "$queue" 2>/dev/null
    fi
    if [ "$changed_default" = yes ] && [ -n "$previous" ]; then
        lpadmin -d "$previous" || echo "could not make $previous the default destination again" >&2
    fi
    if [ -n "$scheduler" ]; then
        kill "$scheduler" 2>/dev/null
        wait "$scheduler" 2>/dev/null
    fi
}
trap restore EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    cupsd -f >/dev/null 2>&1 &
    scheduler=$!
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
fi
lpstat -r 2>/dev/null | grep -q "is running" || skip "the CUPS scheduler is not running"
previous=$(server_default)
lpstat -p "$queue" >/dev/null 2>&1 && had_queue=yes
# pdftocairo keeps the text a text: the other PostScript renderers turn the
# fonts into Type 3 glyphs that no reader can search.
lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null ||
    skip "lpadmin could not add the cups-pdf queue"
changed_default=yes
lpadmin -d "$queue" || skip "lpadmin could not make $queue the default destination"

export ORVANTA_CUPS_PDF_DIR="$HOME/PDF"
"$@"
