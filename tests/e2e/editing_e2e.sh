#!/usr/bin/env bash
# Typing, moving and deleting lines from the keyboard, as the status bar and the saved file show.
source "$(dirname "$0")/lib.sh"

: >"$E2E_DIR/typed.txt"
StartKestrel "$E2E_WIN_DIR\\typed.txt"
WaitActive MainClass "typed.txt - Kestrel"
StatusPane 2 $'\tLine 1 Col 1'
StatusPane 1 ""

TypeText "first line"
Keys Return
TypeText "second"
Keys Return
TypeText "third"
StatusPane 2 $'\tLine 3 Col 6'
StatusPane 1 $'\tModified'

# Vertical moves keep the column; Home and End go to the ends of the line.
Keys Up Up
StatusPane 2 $'\tLine 1 Col 6'
Keys End
StatusPane 2 $'\tLine 1 Col 11'
Keys Home
StatusPane 2 $'\tLine 1 Col 1'
Keys Down
StatusPane 2 $'\tLine 2 Col 1'

# Ctrl+Y deletes the caret line; F2 saves. An empty file had no line ends, so CR LF is used.
Keys ctrl+y
Keys F2
StatusPane 1 ""
ExpectEq "$(od -An -c "$E2E_DIR/typed.txt" | tr -s ' ' | tr -d '\n')" \
    " f i r s t l i n e \r \n t h i r d" "saved bytes"

# A change, then Alt+X: the save question comes, and No leaves the file as it was.
TypeText "zzz"
Keys alt+x
WaitActive CMSGCLASS Save
Keys n
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(od -An -c "$E2E_DIR/typed.txt" | tr -s ' ' | tr -d '\n')" \
    " f i r s t l i n e \r \n t h i r d" "bytes after No"
echo "editing: ok"
