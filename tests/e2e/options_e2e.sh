#!/usr/bin/env bash
# The option dialogs from the menu: the Settings dialog's limits and messages, Page setup's cap,
# and "Save settings?" writing what was confirmed in the stored forms.
source "$(dirname "$0")/lib.sh"

Item() { Observe item-text "$1" "$2"; }
SetItem() { Observe set-item "$1" "$2" "$3" >/dev/null || Fail "cannot set item $2 of $1"; }

# The Options menu opens on its first item, Settings; its last item is Page setup.
OpenSettings() {
    Keys alt+o Return
    WaitActive "#32770" Settings
}

# Tab size 17, wheel lines beyond 32 bits and longest line 9000 on an empty document: the first
# two are ignored silently, the third is refused with the message.
StartKestrel
WaitActive MainClass "Untitled - Kestrel"
OpenSettings
ExpectEq "$(Item Settings 114)" 8 "tab size shown"
ExpectEq "$(Item Settings 115)" 20 "wheel lines shown"
ExpectEq "$(Item Settings 116)" 256 "longest line shown"
ExpectEq "$(Observe checked Settings 129)" 1 "remove spaces shown"
ExpectEq "$(Observe checked Settings 133)" 1 "horizontal bar shown"
ExpectEq "$(Observe checked Settings 134)" 1 "no bak file shown"
SetItem Settings 114 17
SetItem Settings 115 4294967298
SetItem Settings 116 9000
Keys Return
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "Untitled - Kestrel"

# 2 and 4096 are taken, and so is a backup choice; Cancel afterwards changes nothing.
OpenSettings
ExpectEq "$(Item Settings 114)" 8 "tab size after 17"
ExpectEq "$(Item Settings 115)" 20 "wheel lines after 4294967298"
ExpectEq "$(Item Settings 116)" 256 "longest line after 9000"
SetItem Settings 114 2
SetItem Settings 116 4096
Keys Return
sleep 0.3
Observe wait-gone CMSGCLASS 0 >/dev/null || Fail "4096 was refused on an empty document"
WaitActive MainClass "Untitled - Kestrel"
OpenSettings
ExpectEq "$(Item Settings 114)" 2 "tab size after 2"
ExpectEq "$(Item Settings 116)" 4096 "longest line after 4096"
SetItem Settings 114 16
Keys Escape
WaitActive MainClass "Untitled - Kestrel"

# Page setup: a left margin of 25 is kept as 18, a top margin of -3 as typed.
Keys alt+o Up Return
WaitActive "#32770" "Page setup"
ExpectEq "$(Item "Page setup" 114)" 2 "top margin shown"
ExpectEq "$(Item "Page setup" 116)" 0 "left margin shown"
SetItem "Page setup" 114 -3
SetItem "Page setup" 116 25
Keys Return
WaitActive MainClass "Untitled - Kestrel"

Keys alt+x
WaitActive CMSGCLASS Kestrel
Keys y
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(GetSetting tabsize)" 0x2 "stored tabsize"
ExpectEq "$(GetSetting linelength)" 0x1000 "stored linelength"
ExpectEq "$(GetSetting WheelLines)" 0x14 "stored WheelLines"
ExpectEq "$(GetSetting lmargin)" 0x12 "stored lmargin"
ExpectEq "$(GetSetting tmargin)" 0xfffffffd "stored tmargin"

# With a file of several lines loaded, 4096 is refused with the message and not stored.
printf 'one\r\ntwo\r\nthree\r\n' >"$E2E_DIR/three.txt"
ForgetSettings
StartKestrel "$E2E_WIN_DIR\\three.txt"
WaitActive MainClass "three.txt - Kestrel"
OpenSettings
SetItem Settings 116 4096
Keys Return
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "three.txt - Kestrel"
# OK without a change still asks "Save settings?" at exit.
Keys alt+x
WaitActive CMSGCLASS Kestrel
Keys y
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(GetSetting linelength)" 0x100 "linelength after a refusal"
# A one-line document whose line is longer than a smaller limit: refused, and the line is saved
# whole afterwards.
printf '%0300d' 0 >"$E2E_DIR/wide.txt"
ForgetSettings
SetSetting linelength REG_DWORD 1000
StartKestrel "$E2E_WIN_DIR\\wide.txt"
WaitActive MainClass "wide.txt - Kestrel"
OpenSettings
SetItem Settings 116 256
Keys Return
WaitActive CMSGCLASS Kestrel
Keys Return
WaitActive MainClass "wide.txt - Kestrel"
OpenSettings
ExpectEq "$(Item Settings 116)" 1000 "longest line after refusing 256"
Keys Escape
WaitActive MainClass "wide.txt - Kestrel"
TypeText x
StatusPane 1 $'\tModified'
Keys alt+f Down Down Return
StatusPane 1 ""
ExpectEq "$(wc -c <"$E2E_DIR/wide.txt")" 301 "bytes of the saved line"
Keys alt+x
WaitActive CMSGCLASS Kestrel
Keys n
ExpectEq "$(WaitExit)" 0 "exit code"
# Text colors: a background outside the palette stays until its bar moves; one step right on the
# foreground bar gives the palette's second colour, maroon.
ForgetSettings
SetSetting bkColor REG_DWORD 1193046
StartKestrel
WaitActive MainClass "Untitled - Kestrel"
Keys alt+o Down Down Down Return
WaitActive "#32770" "Select colors"
Keys Right Return
WaitActive MainClass "Untitled - Kestrel"
Keys alt+x
WaitActive CMSGCLASS Kestrel
Keys y
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(GetSetting color)" 0x80 "text colour one step along the palette"
ExpectEq "$(GetSetting bkColor)" 0x123456 "background outside the palette"
echo "options: ok"
