#!/usr/bin/env bash
# The key recorder rebinds keys, stores them, restores the defaults and cancels; About and
# Check for updates reach the shell, which hands web addresses to a stand-in browser here.
source "$(dirname "$0")/lib.sh"

# Web addresses go to this script instead of a browser, so nothing leaves the machine.
BROWSER_LOG="$E2E_DIR/browser.log"
cat >"$E2E_DIR/browser.sh" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$BROWSER_LOG"
SCRIPT
chmod +x "$E2E_DIR/browser.sh"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$E2E_DIR/browser.sh" \
    /f >/dev/null 2>&1 || Fail "reg add Browsers"

# Waits until the stand-in browser was asked for exactly the given address.
WaitBrowsed() {
    local waited=0
    while ! grep -qxF "$1" "$BROWSER_LOG" 2>/dev/null; do
        [ "$waited" -lt 15000 ] || Fail "the shell was not asked to open $1"
        sleep 0.1
        waited=$((waited + 100))
    done
}

Row() { Observe list-row KbdWnd "$1"; }
Click() { Observe click "$1" "$2" >/dev/null || Fail "cannot press \"$2\" in $1"; }
WaitButton() { Observe wait-button KbdWnd "$1" 10000 >/dev/null || Fail "no button \"$1\""; }

# Start recording on row $1; the keys given next are typed into the recorder.
StartRecording() {
    Observe select-row KbdWnd "$1" >/dev/null || Fail "no row $1"
    Click KbdWnd Start
    WaitButton 1
}

# Width of the File menu, which grows when one of its items shows longer keys.
FileMenuWidth() {
    Keys alt+f
    Observe popup-width 10000 || Fail "the File menu did not open"
    Keys Escape Escape
    WaitActive MainClass "keys.txt - Kestrel"
}

OpenKeys() {
    Keys alt+o k
    WaitActive KbdWnd "$1"
}

DELETE_LINE=13
SAVE_AS=18
printf 'one\r\ntwo\r\nthree' >"$E2E_DIR/keys.txt"
StartKestrel "$E2E_WIN_DIR\\keys.txt"
WaitActive MainClass "keys.txt - Kestrel"
DEFAULT_WIDTH="$(FileMenuWidth)"

# Nothing stored: the recorder shows the 45 defaults.
OpenKeys "Keys - Default"
ExpectEq "$(Observe list-count KbdWnd)" 45 "rows"
ExpectEq "$(Row $DELETE_LINE)" $'Delete line\tCtrl+Y    ' "Delete line row"

# Ctrl+Q then F4 for "Delete line"; the Start button counts the keys.
StartRecording $DELETE_LINE
Keys ctrl+q
WaitButton 2
Keys F4
WaitButton 3
Click KbdWnd End
WaitButton Start
ExpectEq "$(Row $DELETE_LINE)" $'Delete line\tCtrl+Q  F4  ' "recorded row"

# Three long keys for "Save As", which the File menu shows; the third ends the recording.
StartRecording $SAVE_AS
Keys shift+ctrl+alt+Right
WaitButton 2
Keys shift+ctrl+alt+Right
WaitButton 3
Keys shift+ctrl+alt+Right
WaitButton Start
LONG_KEY="Shift+Ctrl+Alt+Arrow right"
# A row holds at most 79 characters.
FULL_ROW="Save As"$'\t'"$LONG_KEY  $LONG_KEY  $LONG_KEY"
ExpectEq "$(Row $SAVE_AS)" "${FULL_ROW:0:79}" "Save As row"

Click KbdWnd Ok
WaitGone KbdWnd
WaitActive MainClass "keys.txt - Kestrel"

# The registry holds all 45 records; record 13 names command 11 with Ctrl+Q (0x50051) and F4
# (0x10073), record 18 command 16 with Shift+Ctrl+Alt+Arrow right (0xF0027) three times.
ExpectEq "$(GetSetting KeyCnt)" 0x2d "KeyCnt"
STORED="$(GetSetting KeyTable)"
ExpectEq "${#STORED}" $((45 * 80)) "KeyTable hex length"
ExpectEq "${STORED:$((13 * 80)):8}" 0B000000 "record 13 command"
ExpectEq "${STORED:$((13 * 80 + 48)):24}" 510005007300010000000000 "record 13 keys"
ExpectEq "${STORED:$((18 * 80 + 48)):24}" 27000F0027000F0027000F00 "record 18 keys"
REBOUND_WIDTH="$(FileMenuWidth)"
[ "$REBOUND_WIDTH" -gt "$DEFAULT_WIDTH" ] ||
    Fail "File menu width $REBOUND_WIDTH does not show the long keys (defaults: $DEFAULT_WIDTH)"

# The new keys act; Ctrl+Y no longer deletes a line.
Keys ctrl+y
Keys ctrl+q F4
Keys F2
StatusPane 1 ""
ExpectEq "$(od -An -c "$E2E_DIR/keys.txt" | tr -s ' ' | tr -d '\n')" " t w o \r \n t h r e e" \
    "file after Ctrl+Q F4"
Keys shift+ctrl+alt+Right shift+ctrl+alt+Right shift+ctrl+alt+Right
WaitActive "#32770" -
Keys Escape
WaitActive MainClass "keys.txt - Kestrel"

# Cancel keeps nothing: not a row added, not Alt+X recorded (the recorder takes Alt+X as a key,
# the program does not close).
OpenKeys Keys
StartRecording $DELETE_LINE
Keys alt+x
WaitButton 2
Click KbdWnd End
WaitButton Start
ExpectEq "$(Row $DELETE_LINE)" $'Delete line\tAlt+X    ' "Alt+X recorded"
Click KbdWnd Add
ExpectEq "$(Observe list-count KbdWnd)" 46 "rows after Add"
Click KbdWnd Cancel
WaitGone KbdWnd
WaitActive MainClass "keys.txt - Kestrel"
ExpectEq "$(GetSetting KeyCnt)" 0x2d "KeyCnt after Cancel"
ExpectEq "$(GetSetting KeyTable)" "$STORED" "KeyTable after Cancel"
Keys ctrl+q F4
StatusPane 1 $'\tModified'

# Restore to default, answered Yes: KeyCnt 0, no KeyTable, and the menu as narrow as at first.
OpenKeys Keys
Click KbdWnd "Restore to default"
WaitActive "#32770" "Restore?"
Keys Return
WaitGone KbdWnd
WaitActive MainClass "keys.txt - Kestrel"
ExpectEq "$(GetSetting KeyCnt)" 0x0 "KeyCnt after restore"
ExpectEq "$(wine reg query "$SETTINGS_KEY" /v KeyTable >/dev/null 2>&1 && echo present)" "" \
    "KeyTable after restore"
ExpectEq "$(FileMenuWidth)" "$DEFAULT_WIDTH" "File menu width after restore"

# About opens and closes with Enter; a click on its link opens the maker's site and closes it.
Keys alt+h a
WaitActive CMSGCLASS ""
Keys Return
WaitGone CMSGCLASS
Keys alt+h a
WaitActive CMSGCLASS ""
Click CMSGCLASS ""
WaitGone CMSGCLASS
WaitBrowsed "http://www.hobartfreeware.example/"

# Check for updates asks the shell for the update page and shows nothing.
Keys alt+h Return
WaitBrowsed "http://www.hobartfreeware.example/HobartUtilities.html#Kestrel"
WaitActive MainClass "keys.txt - Kestrel"

Keys alt+x
WaitActive CMSGCLASS Save
Keys n
ExpectEq "$(WaitExit)" 0 "exit code"
echo "keys_recorder: ok"
