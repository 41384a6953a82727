#!/usr/bin/env bash
# Printing for real: without a printer nothing crashes; with a CUPS PDF queue that this script
# starts (and stops), the document comes out through the real print dialog as a PDF whose pages,
# title, rows and footers are read back. Cancel prints nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../scripts/pdf_printer.sh"
trap 'Cleanup; StopPdfPrinter' EXIT

# The File menu's items, as a user reaches them from its top.
MenuFileInfo() { Keys alt+f Down Down Down Down Return; }
MenuPrint() { Keys alt+f Down Down Down Down Down Return; }
# The Options menu's seventh item.
MenuPrinterFont() { Keys alt+o Up Up Return; }

{
    printf 'first line\r\n'
    printf 'tab\there\r\n'
    printf '%s\r\n' "$(printf '0123456789%.0s' $(seq 1 12))"
    for i in $(seq 4 120); do printf 'line %d\r\n' "$i"; done
    printf 'last line'
} >"$E2E_DIR/doc.txt"

# ---- No printer: File Info, Print and Printer font do not crash -------------------------------
if lpstat -r 2>/dev/null | grep -q 'is running'; then
    echo "print: a scheduler already runs; the no-printer part is skipped" >&2
else
    StartKestrel "$E2E_WIN_DIR\\doc.txt"
    WaitActive MainClass "doc.txt - Kestrel"
    MenuFileInfo
    WaitActive "#32770" Information
    Keys Return
    WaitActive MainClass "doc.txt - Kestrel"
    # The system says there is no printer (its box is titled "Print"), then nothing is printed.
    MenuPrint
    WaitActive "#32770" Print
    Keys Return
    WaitActive MainClass "doc.txt - Kestrel"
    MenuPrinterFont
    sleep 0.5
    Observe wait-gone "#32770" 0 >/dev/null || Fail "a font dialog opened without a printer"
    # Print block with a marked block meets the same missing printer.
    Keys Right ctrl+k ctrl+b Down ctrl+k ctrl+k ctrl+k ctrl+p
    WaitActive "#32770" Print
    Keys Return
    WaitActive MainClass "doc.txt - Kestrel"
    Keys alt+x
    ExpectEq "$(WaitExit)" 0 "exit code without a printer"
fi

# ---- A PDF printer ----------------------------------------------------------------------------
StartPdfPrinter || Fail "cannot create the PDF queue"
PDF_DIR=$PDF_PRINTER_OUT

# Page numbers on, a left margin of 5 and a 10-point printer font, as stored options.
ForgetSettings
SetSetting pagenums REG_BINARY 01
SetSetting lmargin REG_DWORD 5
SetSetting prnFont REG_SZ Courier
SetSetting prnPitch REG_DWORD 10
StartKestrel "$E2E_WIN_DIR\\doc.txt"
WaitActive MainClass "doc.txt - Kestrel"

# Cancel in the print dialog prints nothing.
MenuPrint
WaitActive "#32770" Print
Keys Escape
WaitActive MainClass "doc.txt - Kestrel"
sleep 1
[ -z "$(ls "$PDF_DIR" 2>/dev/null)" ] || Fail "Cancel printed something"
[ -z "$(lpstat -o PDF 2>/dev/null)" ] || Fail "Cancel queued a job"

MenuPrint
WaitActive "#32770" Print
Keys Return
WaitActive MainClass "doc.txt - Kestrel"
pdf=$(WaitPdf 30) || Fail "no PDF came out of the queue"
info=$(pdfinfo "$pdf")
pages=$(awk '/^Pages:/ { print $2 }' <<<"$info")
title=$(sed -n 's/^Title: *//p' <<<"$info")
ExpectEq "$title" "Plover output" "PDF title"
[ "$pages" -ge 2 ] || Fail "120 lines printed on $pages page(s)"
text=$(pdftotext -layout "$pdf" - | sed 's/[[:space:]]*$//')

# Every page ends with its footer: the title and the page number at the end of the row.
for page in $(seq 1 "$pages"); do
    grep -Eq "doc\.txt +$page\$" <<<"$text" || Fail "no footer for page $page"
done
# Rows in order across the pages; the first and last lines and the tab's expansion.
grep -q 'first line' <<<"$text" || Fail "first line missing"
grep -Eq "tab +here" <<<"$text" || Fail "tab not expanded"
grep -q 'last line' <<<"$text" || Fail "last line missing"
ExpectEq "$(grep -Eo 'line [0-9]+$' <<<"$text" | awk '{print $2}' | tr '\n' ' ')" \
    "$(seq 4 120 | tr '\n' ' ')" "rows in order"
# The 120-digit line is wider than a row: it continues on the next row, nothing lost.
long=$(printf '0123456789%.0s' $(seq 1 12))
joined=$(grep -m1 -A1 '0123456789012' <<<"$text" | tr -d ' \n')
ExpectEq "$joined" "$long" "continued long line"
[ "$(grep -c '0123456789' <<<"$text")" -eq 2 ] || Fail "long line not on two rows"

# Print block: nothing and no dialog without a block; with one, the block alone, its first and
# last lines cut at the marks.
rm -f "$PDF_DIR"/*.pdf
Keys ctrl+Home ctrl+k ctrl+p
sleep 1
Observe wait-gone "#32770" 0 >/dev/null || Fail "Print block without a block showed a dialog"
[ -z "$(lpstat -o PDF 2>/dev/null)" ] || Fail "Print block without a block queued a job"
Keys Right Right Right Right Right Right ctrl+k ctrl+b Down Down Down ctrl+k ctrl+k
Keys ctrl+k ctrl+p
WaitActive "#32770" Print
Keys Return
WaitActive MainClass "doc.txt - Kestrel"
pdf=$(WaitPdf 30) || Fail "no PDF of the block"
text=$(pdftotext -layout "$pdf" - | sed 's/[[:space:]]*$//' | grep -v '^$')
ExpectEq "$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')" 1 "pages of the block"
sed -n 1p <<<"$text" | grep -Eq '^ *line$' || Fail "block: first row is not the rest of its first line"
grep -Eq "tab +here" <<<"$text" || Fail "block: tab line missing"
ExpectEq "$(grep -m1 -A1 '0123456789012' <<<"$text" | tr -d ' \n')" "$long" "block: long line"
ExpectEq "$(grep -Ec '^ *line [0-9]+$' <<<"$text")" 1 "block: one numbered line"
grep -Eq '^ *line 4$' <<<"$text" || Fail "block: last line missing"
grep -q 'first' <<<"$text" && Fail "block: text before the begin mark printed"
grep -Eq "doc\.txt +1\$" <<<"$text" || Fail "block: no footer"

# File Info measures the printer's page; the printer font dialog opens on the printer, and OK
# without a change keeps the stored size.
MenuFileInfo
WaitActive "#32770" Information
Keys Return
WaitActive MainClass "doc.txt - Kestrel"
MenuPrinterFont
WaitActive "#32770" Font
Keys Return
WaitActive MainClass "doc.txt - Kestrel"
Keys alt+x
WaitActive CMSGCLASS Kestrel
Keys y
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(GetSetting prnPitch)" 0xa "printer font size after OK without a change"
StopPdfPrinter
echo "print: ok ($pages pages)"
