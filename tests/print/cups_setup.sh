#!/bin/sh
# Makes the print system ready for the printing tests: starts cupsd when it is not
# running and adds the PDF queue "QuenbyPDF" (cups-pdf), whose files land in the
# folder given as $1 (default /var/spool/cups-pdf/quenby). Needs root; asks nothing.
# Exits 0 when the queue accepts jobs, 77 when this machine cannot print (the tests
# then skip), another code on a real failure.
set -u
out=${1:-/var/spool/cups-pdf/quenby}
queue=QuenbyPDF

skip() { echo "cups_setup: $*" >&2; exit 77; }

command -v cupsd >/dev/null 2>&1 || skip "cupsd is not installed (package cups)"
conf=/etc/cups/cups-pdf.conf

# Already set up (perhaps by root before the tests): nothing to do, nor to ask.
if lpstat -p "$queue" >/dev/null 2>&1 && grep -q "^Out $out\$" "$conf" 2>/dev/null; then
    echo "cups_setup: $queue ready, files in $out"
    exit 0
fi
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "cups-pdf is not installed (package printer-driver-cups-pdf)"
[ "$(id -u)" -eq 0 ] || skip "not root: cannot start cupsd or add a queue"

mkdir -p "$out" && chmod 1777 "$out" || skip "cannot make $out"

# cups-pdf writes every user's files into the one folder.
if [ -f "$conf" ]; then
    for key in Out AnonDirName; do
        if grep -q "^$key " "$conf"; then
            sed -i "s|^$key .*|$key $out|" "$conf"
        else
            printf '%s %s\n' "$key" "$out" >>"$conf"
        fi
    done
fi

running() { lpstat -r 2>/dev/null | grep -q "is running" && ! lpstat -r 2>/dev/null | grep -q "not running"; }
if ! running; then
    cupsd >/dev/null 2>&1 || skip "cupsd would not start"
    i=0
    while ! running; do
        i=$((i + 1))
        [ "$i" -gt 50 ] && skip "cupsd did not come up"
        sleep 0.2
    done
fi

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
if ! lpstat -p "$queue" >/dev/null 2>&1; then
    lpadmin -p "$queue" -v cups-pdf:/ -P "$ppd" -E >/dev/null 2>&1 || skip "lpadmin could not add $queue"
fi
cupsenable "$queue" >/dev/null 2>&1
cupsaccept "$queue" >/dev/null 2>&1
lpstat -p "$queue" >/dev/null 2>&1 || skip "$queue is not there"
echo "cups_setup: $queue ready, files in $out"
exit 0
