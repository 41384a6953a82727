#!/usr/bin/env bash
# Find and replace in the running program: the dialog's Find next, Replace and Replace all with
# its report, the two histories offered again after a restart, and Undo of Replace all.
source "$(dirname "$0")/lib.sh"

Bytes() { od -An -c "$1" | tr -s ' ' | tr -d '\n'; }
FIND_TEXT=122
REPLACE_TEXT=123

printf 'cat dog cat\r\ncatalog\r\nCAT' >"$E2E_DIR/pets.txt"
StartKestrel "$E2E_WIN_DIR\\pets.txt"
WaitActive MainClass "pets.txt - Kestrel"

# The dialog offers the word at the caret; Find next shows the first match, Replace replaces it
# and shows the next, Replace all replaces the rest (case aside) and reports.
Keys ctrl+q ctrl+a
WaitActive "#32770" Replace
ExpectEq "$(Observe item-text Replace $FIND_TEXT)" "cat" "word at the caret"
Observe set-item Replace $REPLACE_TEXT cow >/dev/null
Keys Return
StatusPane 2 $'\tLine 1 Col 4'
Keys alt+r
StatusPane 2 $'\tLine 1 Col 12'
StatusPane 1 $'\tModified'
Keys alt+a
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive "#32770" Replace
Keys Escape
WaitActive MainClass "pets.txt - Kestrel"
Keys F2
StatusPane 1 ""
ExpectEq "$(Bytes "$E2E_DIR/pets.txt")" " c o w d o g c o w \r \n c o w a l o g \r \n c o w" \
    "after Replace and Replace all"

# One Undo takes all of Replace all back; the single Replace before it stays.
Keys ctrl+z F2
StatusPane 1 ""
ExpectEq "$(Bytes "$E2E_DIR/pets.txt")" " c o w d o g c a t \r \n c a t a l o g \r \n C A T" \
    "after Undo of Replace all"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# Both texts are in their histories after a restart.
StartKestrel "$E2E_WIN_DIR\\pets.txt"
WaitActive MainClass "pets.txt - Kestrel"
Keys ctrl+q ctrl+a
WaitActive "#32770" Replace
ExpectEq "$(Observe combo-item Replace $FIND_TEXT 0)" "cat" "find history"
ExpectEq "$(Observe combo-item Replace $REPLACE_TEXT 0)" "cow" "replace history"
Keys Escape
WaitActive MainClass "pets.txt - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
echo "replace: ok"
