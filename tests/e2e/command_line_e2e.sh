#!/usr/bin/env bash
# What the command line does: options, quoted paths, wildcards and names too long to hold.
source "$(dirname "$0")/lib.sh"

printf 'after\r\n' >"$E2E_DIR/after.txt"
printf 'notes\r\n' >"$E2E_DIR/my notes.txt"

# An unknown option is reported before the frame exists; the file after it is still taken.
StartKestrel /x "$E2E_WIN_DIR\\after.txt"
WaitActive CMSGCLASS Kestrel
Observe wait-gone MainClass 0 >/dev/null || Fail "the frame came up before the option message"
Keys Return
WaitActive MainClass "after.txt - Kestrel"
StatusPane 0 "$E2E_WIN_DIR\\after.txt"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# A quoted path with spaces is one token; the second file name is ignored.
StartKestrel "$E2E_WIN_DIR\\my notes.txt" "$E2E_WIN_DIR\\second.txt"
WaitActive MainClass "my notes.txt - Kestrel"
StatusPane 0 "$E2E_WIN_DIR\\my notes.txt"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# A wildcard opens the first match under its name as stored on disk.
touch "$E2E_DIR/Stored Name.TXT"
StartKestrel "$E2E_WIN_DIR\\stored*.txt"
WaitActive MainClass "Stored Name.TXT - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# A name too long for the path buffer cannot be opened; the editor starts a new document.
long=$(printf 'n%.0s' $(seq 1 320))
StartKestrel "$long"
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "Untitled - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# A file that does not exist is reported, and the editor starts a new document.
StartKestrel "$E2E_WIN_DIR\\missing.txt"
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "Untitled - Kestrel"
StatusPane 0 ""
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
echo "command line: ok"
