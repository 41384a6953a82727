#!/usr/bin/env bash
# Printing 5,000 lines (about 100 pages) from the running program through the print dialog into a
# CUPS PDF queue: the time from OK to the finished PDF, against CUPS printing the same text file
# itself (`lp`, through its own text filter) in the same run.
#
# usage: bench/print_pdf.sh [RUNS]     (as root, after ./test.sh has built the Windows tree)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
runs=${1:-3}
source scripts/wine_host.sh
UseWineForHost "$top"
build="${KESTREL_BUILD:-$KESTREL_WIN_TREE}"
cmake --build "$build" --target kestrel observer >/dev/null
source scripts/pdf_printer.sh
source scripts/test_display.sh
trap 'pkill -f kestrel.exe 2>/dev/null || true; StopTestDisplay; StopPdfPrinter' EXIT
StartPdfPrinter
StartTestDisplay "$build"
export WINEDEBUG=-all

dir="$WINEPREFIX/drive_c/bench"
mkdir -p "$dir"
file="$dir/print.txt"
awk 'BEGIN { for (i = 1; i <= 5000; i++)
          printf "%05d the quick brown fox jumps over the lazy dog\r\n", i }' >"$file"
observe() { wine "$build/observer.exe" "$@" | tr -d '\r'; }
now_ms() { date +%s%3N; }
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

kestrel_ms=()
spool_ms=()
lp_ms=()
pages=0
for _ in $(seq 1 "$runs"); do
    rm -f "$PDF_PRINTER_OUT"/*.pdf
    wine "$build/kestrel.exe" 'C:\bench\print.txt' >/dev/null 2>&1 &
    observe wait-active MainClass "print.txt - Kestrel" 30000 >/dev/null
    xdotool key --delay 40 alt+f Down Down Down Down Down Return
    observe wait-active "#32770" Print 30000 >/dev/null
    start=$(now_ms)
    xdotool key Return
    # The program hands the job to CUPS at its end: until then the time is the program's own.
    until [ -n "$(lpstat -o PDF 2>/dev/null)" ] || ls "$PDF_PRINTER_OUT"/*.pdf >/dev/null 2>&1; do
        sleep 0.05
    done
    spool_ms+=($(( $(now_ms) - start )))
    pdf=$(WaitPdf 600)
    kestrel_ms+=($(( $(now_ms) - start )))
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
    xdotool key alt+x
    observe wait-gone MainClass 15000 >/dev/null || true

    rm -f "$PDF_PRINTER_OUT"/*.pdf
    start=$(now_ms)
    lp -d PDF -t print "$file" >/dev/null
    WaitPdf 600 >/dev/null
    lp_ms+=($(( $(now_ms) - start )))
done
k=$(printf '%s\n' "${kestrel_ms[@]}" | median)
l=$(printf '%s\n' "${lp_ms[@]}" | median)
s=$(printf '%s\n' "${spool_ms[@]}" | median)
echo "print: kestrel ${k} ms from OK to the finished PDF of ${pages} pages (job handed to CUPS" \
     "after ${s} ms); CUPS printing the same file itself ${l} ms;" \
     "ratio $(awk -v a="$k" -v b="$l" 'BEGIN { printf "%.2f", a / b }')"
