#!/usr/bin/env bash
# The marked block from the keyboard and the mouse, through the real clipboard and block files:
# what X reads back, what another program's text becomes, and what lands on disk.
source "$(dirname "$0")/lib.sh"

Bytes() { od -An -c "$1" | tr -s ' ' | tr -d '\n'; }
ClipboardOwner=""
StopClipboardOwner() {
    [ -n "$ClipboardOwner" ] && kill "$ClipboardOwner" 2>/dev/null || true
    ClipboardOwner=""
}
trap 'StopClipboardOwner; Cleanup' EXIT

for i in $(seq 1 300); do printf 'line %02d\r\n' "$i"; done >"$E2E_DIR/doc.txt"
printf 'alpha\r\nbeta' >"$E2E_DIR/piece.txt"
StartKestrel "$E2E_WIN_DIR\\doc.txt"
WaitActive MainClass "doc.txt - Kestrel"

# Keyboard marks on line 1 from index 2 to index 0 of line 2, then Copy: X reads the rest of
# line 1 and a line break.
Keys Right Right ctrl+k ctrl+b Down Home ctrl+k ctrl+k ctrl+c
ExpectEq "$(xclip -o -selection clipboard | od -An -c | tr -s ' ' | tr -d '\n')" \
    " n e 0 1 \n" "copied block"

# Another program's LF text pasted at the start of line 2 arrives as CR LF lines on disk.
printf 'from X\nsecond' | xclip -selection clipboard -quiet &
ClipboardOwner=$!
sleep 0.3
Keys ctrl+v
StatusPane 1 $'\tModified'
StopClipboardOwner
Keys F2
StatusPane 1 ""
ExpectEq "$(head -c 32 "$E2E_DIR/doc.txt" | od -An -c | tr -s ' ' | tr -d '\n')" \
    " l i n e 0 1 \r \n f r o m X \r \n s e c o n d \r \n l i n e 0 2" "pasted lines"

# The pasted text is the block: Delete block takes exactly it away again.
Keys ctrl+k ctrl+y F2
ExpectEq "$(head -c 16 "$E2E_DIR/doc.txt" | od -An -c | tr -s ' ' | tr -d '\n')" \
    " l i n e 0 1 \r \n l i n e 0 2" "after Delete block"

# Block write to a bare name gives name.txt; Block read inserts a file as the block.
Keys ctrl+k ctrl+b Down ctrl+k ctrl+k ctrl+k ctrl+w
WaitActive "#32770" -
TypeText "$E2E_WIN_DIR\\notes"
Keys Return
WaitActive MainClass "doc.txt - Kestrel"
ExpectEq "$(Bytes "$E2E_DIR/notes.txt")" " l i n e 0 2 \r \n" "written block"

# A bare name that ".txt" completes to an existing file is asked about: here the open document's
# own file. No leaves it byte for byte; Yes replaces it, and the document must then be saved.
before=$(md5sum <"$E2E_DIR/doc.txt")
for answer in n y; do
    Keys ctrl+k ctrl+w
    WaitActive "#32770" -
    TypeText "$E2E_WIN_DIR\\doc"
    Keys Return
    WaitActive CMSGCLASS Kestrel
    Keys "$answer"
    WaitActive MainClass "doc.txt - Kestrel"
    [ "$answer" = y ] || ExpectEq "$(md5sum <"$E2E_DIR/doc.txt")" "$before" "declined doc.txt"
done
ExpectEq "$(Bytes "$E2E_DIR/doc.txt")" " l i n e 0 2 \r \n" "replaced doc.txt"
StatusPane 1 $'\tModified'
Keys ctrl+k ctrl+r
WaitActive "#32770" -
TypeText "$E2E_WIN_DIR\\piece.txt"
Keys Return
WaitActive MainClass "doc.txt - Kestrel"
Keys ctrl+c
ExpectEq "$(xclip -o -selection clipboard)" $'alpha\nbeta' "read block"

# A drag from line 1 held below the window scrolls line by line and extends the block with it.
Keys ctrl+Home
read -r left top width height < <(Observe view-rect)
xdotool mousemove $((left + 40)) $((top + 5)) mousedown 1
xdotool mousemove $((left + 40)) $((top + height + 30))
sleep 1
xdotool mouseup 1
Keys ctrl+c
copied=$(xclip -o -selection clipboard | wc -l)
rows=$((height / 16))
# About 40 ticks of one line each; far from all 300 lines, well past one page.
[ "$copied" -gt $((rows + 5)) ] || Fail "auto-scroll extended the block to $copied lines only"
[ "$copied" -lt 200 ] || Fail "auto-scroll jumped towards the end ($copied lines)"

StatusPane 1 $'\tModified'
Keys alt+x
WaitActive CMSGCLASS Save
Keys n
ExpectEq "$(WaitExit)" 0 "exit code"
echo "block: ok"
