#!/usr/bin/env bash
# Date stamps and special characters in the running editor: F9 inserts a stamp of the clock's
# time, a save refreshes the header stamp, F7 chooses a code that F8 then types.
source "$(dirname "$0")/lib.sh"

SetSetting update REG_BINARY 01
printf 'Last change 01/02/99  03:04 AM by someone\r\nbody text' >"$E2E_DIR/stamp.txt"
StartKestrel "$E2E_WIN_DIR\\stamp.txt"
WaitActive MainClass "stamp.txt - Kestrel"

# F9 in the middle of line 2; the caret stays before the stamp, so typing goes there.
before=$(date +%s)
Keys Down Right Right Right Right F9
TypeText "<"
Keys F2
StatusPane 1 ""
after=$(date +%s)
saved=$(cat "$E2E_DIR/stamp.txt")

# Both stamps (the inserted one and the refreshed header) show the time of the save, to the
# minute; any minute between the two clock readings will do.
found=""
for t in $(seq "$before" 60 "$((after + 60))"); do
    stamp=$(date -d "@$t" '+%m/%d/%y  %I:%M %p')
    if [ "$(printf '%s' "$saved" | head -n1 | tr -d '\r')" = "Last change $stamp" ] &&
        printf '%s' "$saved" | tail -n1 | grep -qF "body<$stamp text"; then
        found=$stamp
    fi
done
[ -n "$found" ] || Fail "stamps in the saved file: $(printf '%s' "$saved" | od -c | head -5)"

# F7 opens on code 169; the 65th code is A, which F8 types at the caret.
Keys F7
WaitActive "#32770" "Special character"
Keys Home
xdotool key --repeat 64 --delay 10 Down
Keys Return
WaitActive MainClass "stamp.txt - Kestrel"
Keys ctrl+End End F8
Keys F2
StatusPane 1 ""
ExpectEq "$(tail -c 6 "$E2E_DIR/stamp.txt")" " textA" "typed special char"

Keys alt+x
WaitActive CMSGCLASS "Kestrel"
Keys n
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(GetSetting char)" "" "char not saved after No"
echo "stamps: ok"
