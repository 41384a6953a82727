#!/usr/bin/env bash
# Options and the window placement survive a restart through the registry.
source "$(dirname "$0")/lib.sh"

# Closing with no option changed asks nothing, and still writes the placement.
StartKestrel
WaitActive MainClass "Untitled - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
[ -n "$(GetSetting showCmd)" ] || Fail "showCmd was not stored"
[ -n "$(GetSetting rcNormal)" ] || Fail "rcNormal was not stored"
[ -n "$(GetSetting flags)" ] || Fail "flags was not stored"
[ -z "$(GetSetting linelength)" ] || Fail "options were stored without being asked for"

# Leaving maximised stores that, and the next start opens maximised.
StartKestrel
WaitActive MainClass "Untitled - Kestrel"
Observe maximise MainClass >/dev/null
for _ in $(seq 1 50); do
    [ "$(Observe zoomed MainClass)" = 1 ] && break
    sleep 0.1
done
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(GetSetting showCmd)" "0x3" "stored showCmd"
StartKestrel
WaitActive MainClass "Untitled - Kestrel"
ExpectEq "$(Observe zoomed MainClass)" 1 "maximised after restart"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# A 290-character line is cut (with a warning) at the default length, but not with 300.
printf '%0290d\r\nnext\r\n' 0 >"$E2E_DIR/long.txt"
ForgetSettings
StartKestrel "$E2E_WIN_DIR\\long.txt"
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "long.txt - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

ForgetSettings
SetSetting linelength REG_DWORD 300
StartKestrel "$E2E_WIN_DIR\\long.txt"
WaitActive MainClass "long.txt - Kestrel"
Observe wait-gone CMSGCLASS 0 >/dev/null || Fail "a 290-character line was cut at linelength 300"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# A hostile stored line length is ignored: the default 256 applies and the line is cut.
ForgetSettings
SetSetting linelength REG_DWORD 1000000000
SetSetting tabsize REG_DWORD 0
StartKestrel "$E2E_WIN_DIR\\long.txt"
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "long.txt - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
# A stored one-record key table binds "Delete line" (command 11) to F4 and nothing else:
# Ctrl+Y does nothing, F4 deletes the caret line. The save question at exit writes the file.
printf 'one\r\ntwo\r\nthree\r\n' >"$E2E_DIR/keys.txt"
ForgetSettings
SetSetting KeyCnt REG_DWORD 1
SetSetting KeyTable REG_BINARY \
    "0b000000000000000000000000000000000000000000000073000100000000000000000000000000"
StartKestrel "$E2E_WIN_DIR\\keys.txt"
WaitActive MainClass "keys.txt - Kestrel"
Keys ctrl+y
sleep 0.3
StatusPane 1 ""
Keys F4
StatusPane 1 $'\tModified'
Keys alt+x
WaitActive CMSGCLASS Save
Keys y
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(tr -d '\r' <"$E2E_DIR/keys.txt" | tr '\n' ' ')" "two three " "lines after F4"
echo "settings: ok"
