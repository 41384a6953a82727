#!/usr/bin/env bash
# Finding text, finding it again with the wrap and its notice, "Text not found", going to a line,
# picking an earlier search string, and the recent files in the File menu across restarts.
source "$(dirname "$0")/lib.sh"

COMBO1_KEY="$KESTREL_KEY\\Combo1"
RECENT_KEY="$KESTREL_KEY\\Recent File List"

# Prints the text of value $2 under key $1, or nothing when it is absent.
GetValue() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+REG_SZ[ \t]+/, ""); print }'
}

# Presses keys $2... while watching for the passed-end notice (the observer must be looking
# before the key goes: the notice is up for half a second); then waits for caret pane text $1.
KeysWithNotice() {
    (Observe wait-window WKWND - 8000 >/dev/null && touch "$E2E_DIR/.notice") &
    local watcher=$!
    sleep 1.5
    Keys "${@:2}"
    wait "$watcher" 2>/dev/null || true
    [ -e "$E2E_DIR/.notice" ] || Fail "no passed-end notice"
    rm -f "$E2E_DIR/.notice"
    StatusPane 2 "$1"
}

# Ctrl+Q Ctrl+F, then types $1 over the offered text.
FindDialog() {
    Keys ctrl+q ctrl+f
    WaitActive "#32770" Find
    [ -z "${1:-}" ] || TypeText "$1"
}

printf 'alpha beta\r\ngamma alpha\r\ndelta\r\nalpha end\r\n' >"$E2E_DIR/doc.txt"
StartKestrel "$E2E_WIN_DIR\\doc.txt"
WaitActive MainClass "doc.txt - Kestrel"
StatusPane 2 $'\tLine 1 Col 1'

# ---- Find and Find next ----------------------------------------------------------------------
FindDialog gamma
Keys Return
WaitActive MainClass "doc.txt - Kestrel"
StatusPane 2 $'\tLine 2 Col 6'

# The only "gamma": Find next wraps, the notice flashes, and the same match is shown again.
KeysWithNotice $'\tLine 2 Col 6' ctrl+l

# Without case: ALPHA finds alpha; Find next walks the occurrences and wraps to the first.
FindDialog ALPHA
Keys Return
StatusPane 2 $'\tLine 2 Col 12'
Keys ctrl+l
StatusPane 2 $'\tLine 4 Col 6'
KeysWithNotice $'\tLine 1 Col 6' ctrl+l

# Absent text: "Text not found", and the caret is where the wrap put it, line 1, column 1.
Keys End
FindDialog nothere
Keys Return
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "doc.txt - Kestrel"
StatusPane 2 $'\tLine 1 Col 1'

# Upwards (Tab to the check box, Tab to "Down", the arrow to "Up"): from line 1 the search
# wraps to the last line and stops at the start of its alpha.
FindDialog alpha
Keys Tab Tab Down Return
StatusPane 2 $'\tLine 4 Col 1'

# An earlier search string from the drop-down: Down in the field takes the most recent one.
# The direction goes back to "Down" (Tab, Tab, Up arrow).
Keys Up
StatusPane 2 $'\tLine 3 Col 1'
FindDialog
Keys Down Tab Tab Up Return
StatusPane 2 $'\tLine 4 Col 6'

# The history: a new letter per new string; alpha found again kept its stored spelling.
ExpectEq "$(GetValue "$COMBO1_KEY" a)" "gamma" "history a"
ExpectEq "$(GetValue "$COMBO1_KEY" b)" "ALPHA" "history b"
ExpectEq "$(GetValue "$COMBO1_KEY" c)" "nothere" "history c"
ExpectEq "$(GetValue "$COMBO1_KEY" MRUList)" "bca" "history order"

# ---- Go to line: a number beyond 32 bits is out of range, not wrapped to line 2 --------------
for step in 3:3 4294967298:3 2xyz:2; do
    Keys ctrl+q ctrl+n
    WaitActive "#32770" "Go to Line number"
    TypeText "${step%%:*}"
    Keys Return
    WaitActive MainClass "doc.txt - Kestrel"
    StatusPane 2 $'\tLine '"${step##*:}"' Col 1'
done
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# ---- Recent files ----------------------------------------------------------------------------
StartKestrel
WaitActive MainClass "Untitled - Kestrel"
for n in 1 2 3 4 5; do
    printf 'file %s\r\n' "$n" >"$E2E_DIR/f$n.txt"
    Keys F3
    WaitActive "#32770" Open
    Keys ctrl+a
    TypeText "$E2E_WIN_DIR\\f$n.txt"
    Keys Return
    WaitActive MainClass "f$n.txt - Kestrel"
done
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
for n in 1 2 3 4 5; do
    ExpectEq "$(GetValue "$RECENT_KEY" "File$n")" "$E2E_WIN_DIR\\f$((6 - n)).txt" "File$n"
done

# Chooses File menu item $1 (0: the first) with the keyboard.
FileMenuItem() {
    Keys alt+f
    sleep 0.5 # the menu must be open before the arrows go
    for ((i = 0; i < $1; i++)); do
        Keys Down
    done
    Keys Return
}

# After a restart the File menu lists them newest first: the first entry follows the seven
# items above it, the third is two further down.
StartKestrel
WaitActive MainClass "Untitled - Kestrel"
FileMenuItem 7
WaitActive MainClass "f5.txt - Kestrel"
FileMenuItem 9
WaitActive MainClass "f3.txt - Kestrel"

# f1 is deleted: choosing it says so and starts a new document; the entry is gone after exit.
rm -f "$E2E_DIR/f1.txt"
FileMenuItem 11
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "Untitled - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(GetValue "$RECENT_KEY" File1)" "$E2E_WIN_DIR\\f3.txt" "File1 after exit"
ExpectEq "$(GetValue "$RECENT_KEY" File4)" "$E2E_WIN_DIR\\f2.txt" "File4 after exit"
ExpectEq "$(GetValue "$RECENT_KEY" File5)" "" "the failed entry is dropped"
echo "find: ok"
