#!/usr/bin/env bash
# Runs a test with a CUPS scheduler and a cups-pdf queue to print to, set
# as the default destination; the test finds the queue's folder in
# ORVANTA_CUPS_PDF_DIR. Skipped, with the reason, where CUPS cannot start.
set -uo pipefail
skip() { echo "skipped: $*"; exit 0; }
[ "$(id -u)" = 0 ] || skip "starting CUPS needs root"
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || skip "CUPS is not installed (Debian: cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "cups-pdf is not installed (Debian: printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || skip "the cups-pdf PPD is missing"

started=no
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    cupsd || skip "cupsd did not start"
    started=yes
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
fi
lpstat -r 2>/dev/null | grep -q "is running" || skip "the CUPS scheduler is not running"
# pdftocairo keeps the text a text: the other PostScript renderers turn the
# fonts into Type 3 glyphs that no reader can search.
lpadmin -p OrvantaPDF -v cups-pdf:/ -E -P "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null &&
    lpadmin -d OrvantaPDF || skip "lpadmin could not add the cups-pdf queue"

export ORVANTA_CUPS_PDF_DIR="$HOME/PDF"
"$@"
status=$?
lpadmin -x OrvantaPDF 2>/dev/null
if [ "$started" = yes ]; then
    pkill -x cupsd
fi
exit "$status"
