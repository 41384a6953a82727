#!/usr/bin/env bash
# Starting with no arguments and leaving with Alt+X.
source "$(dirname "$0")/lib.sh"

StartKestrel
WaitActive MainClass "Untitled - Kestrel"
StatusPane 0 ""
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code after Alt+X"
Observe wait-gone CMSGCLASS 0 >/dev/null || Fail "Alt+X asked a question"

# Exit from the File menu ends the same way.
StartKestrel
WaitActive MainClass "Untitled - Kestrel"
Keys alt+f x
ExpectEq "$(WaitExit)" 0 "exit code after File, Exit"
echo "startup: ok"
