#!/usr/bin/env bash
# Keys reach their commands through the key table, also after a menu was used from the keyboard.
source "$(dirname "$0")/lib.sh"

StartKestrel
WaitActive MainClass "Untitled - Kestrel"

# F3 is bound to "Open file": the open dialog comes up, and Escape cancels it.
Keys F3
WaitActive "#32770" Open
Keys Escape
WaitActive MainClass "Untitled - Kestrel"

# Open the File menu with Alt+F and close it again: the menu loop swallows the Alt key-up,
# and the next key must still arrive without a phantom Alt.
Keys alt+f
sleep 0.5
Keys Escape Escape
sleep 0.3
Keys F3
WaitActive "#32770" Open
Keys Escape
WaitActive MainClass "Untitled - Kestrel"

Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
echo "keys: ok"
