#!/usr/bin/env bash
# Opening files through the real open dialog, and the save question before New.
source "$(dirname "$0")/lib.sh"

printf 'one\ntwo\n' >"$E2E_DIR/first.txt"
printf 'other file\r\n' >"$E2E_DIR/other.txt"

StartKestrel "$E2E_WIN_DIR\\first.txt"
WaitActive MainClass "first.txt - Kestrel"
StatusPane 0 "$E2E_WIN_DIR\\first.txt"

# F3 shows the open dialog; a typed name opens that file.
Keys F3
WaitActive "#32770" Open
Keys ctrl+a
TypeText "$E2E_WIN_DIR\\other.txt"
Keys Return
WaitActive MainClass "other.txt - Kestrel"
StatusPane 0 "$E2E_WIN_DIR\\other.txt"

# Ctrl+N after a change asks first; Cancel keeps the document, No drops the change.
TypeText "x"
StatusPane 1 $'\tModified'
Keys ctrl+n
WaitActive CMSGCLASS Save
Keys c
WaitActive MainClass "other.txt - Kestrel"
StatusPane 1 $'\tModified'
Keys ctrl+n
WaitActive CMSGCLASS Save
Keys n
WaitActive MainClass "Untitled - Kestrel"
StatusPane 1 ""
ExpectEq "$(cat "$E2E_DIR/other.txt" | tr -d '\r')" "other file" "other.txt untouched"

# Save in Unix mode keeps LF line ends: open first.txt, change a line, save with F2.
Keys F3
WaitActive "#32770" Open
Keys ctrl+a
TypeText "$E2E_WIN_DIR\\first.txt"
Keys Return
WaitActive MainClass "first.txt - Kestrel"
Keys End
TypeText "!"
Keys F2
StatusPane 1 ""
ExpectEq "$(od -An -c "$E2E_DIR/first.txt" | tr -s ' ' | tr -d '\n')" " o n e ! \n t w o \n" \
    "saved bytes"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
echo "files: ok"
