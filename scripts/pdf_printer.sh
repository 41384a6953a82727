# A CUPS printer whose queue "PDF" writes PDF files into a folder, for the printing tests and
# benchmark. Source it; needs cups and printer-driver-cups-pdf, and root (or sudo). Start it
# before any Wine process that must see the printer starts: Wine takes the queues when a
# process starts.

PDF_PRINTER_CUPSD=""  # the cupsd this script started, if any
PDF_PRINTER_OUT=""    # where the queue writes its PDF files
PDF_PRINTER_SUDO=""
[ "$(id -u)" -eq 0 ] || PDF_PRINTER_SUDO=sudo

# StartPdfPrinter: starts cupsd (unless one runs already) with the default queue PDF.
StartPdfPrinter() {
    PDF_PRINTER_OUT=$(mktemp -d /tmp/kestrel-pdf.XXXXXX)
    chmod 1777 "$PDF_PRINTER_OUT"
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        $PDF_PRINTER_SUDO /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
        PDF_PRINTER_CUPSD=$!
        for _ in $(seq 1 200); do
            lpstat -r 2>/dev/null | grep -q 'is running' && break
            sleep 0.05
        done
    fi
    printf 'Out %s\n' "$PDF_PRINTER_OUT" |
        $PDF_PRINTER_SUDO tee /etc/cups/cups-pdf-kestrel.conf >/dev/null
    $PDF_PRINTER_SUDO lpadmin -p PDF -E -v cups-pdf:/kestrel \
        -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -o TitlePref=1 -o PageSize=A4 2>/dev/null ||
        return 1
    $PDF_PRINTER_SUDO lpadmin -d PDF
}

# StopPdfPrinter: stops the cupsd StartPdfPrinter started and removes the PDF folder.
StopPdfPrinter() {
    if [ -n "$PDF_PRINTER_CUPSD" ]; then
        $PDF_PRINTER_SUDO kill "$PDF_PRINTER_CUPSD" 2>/dev/null || true
        for _ in $(seq 1 100); do
            kill -0 "$PDF_PRINTER_CUPSD" 2>/dev/null || break
            sleep 0.1
        done
        PDF_PRINTER_CUPSD=""
    fi
    if [ -n "$PDF_PRINTER_OUT" ]; then
        rm -rf "$PDF_PRINTER_OUT"
        PDF_PRINTER_OUT=""
    fi
}

# WaitPdf [TIMEOUT_S]: waits until the queue has finished and a PDF is there; prints its path.
# The file exists before it is complete, so the queue being empty is what counts.
WaitPdf() {
    local tenths=$(( ${1:-30} * 10 )) pdf=""
    for _ in $(seq 1 "$tenths"); do
        pdf=$(ls "$PDF_PRINTER_OUT"/*.pdf 2>/dev/null | head -n 1 || true)
        if [ -n "$pdf" ] && [ -z "$(lpstat -W not-completed -o PDF 2>/dev/null)" ]; then
            echo "$pdf"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
