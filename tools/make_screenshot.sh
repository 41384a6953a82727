#!/usr/bin/env bash
# Makes the README's screenshot from the real kestrel.exe: a sample document on a private Xvfb
# display, a block marked from the keyboard, the Wine desktop captured with ImageMagick's import.
#
# usage: tools/make_screenshot.sh [OUTPUT.png]      (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
out=$(realpath -m "${1:-docs/screenshot.png}")
width=800
height=520

source scripts/wine_host.sh
source scripts/launcher.sh
source scripts/test_display.sh
UseWineForHost "$top"
tree=$KESTREL_WIN_TREE
BuildKestrel "$top" "$tree" "$KESTREL_WIN_TOOLCHAIN"
ninja -C "$tree" observer >/dev/null

# A prefix of its own, so that no stored setting or placement of a test run shows up here.
work="$tree/screenshot"
mkdir -p "$work"
trap StopTestDisplay EXIT
StartTestDisplay "$work"
wine reg delete 'HKCU\Software\Hobart Freeware\Kestrel' /f >/dev/null 2>&1 || true
# Wine draws the caption buttons on its desktop with the Marlett font, which Debian ships in
# fonts-wine; without it they show as the letters 0, 1, 2 and r. Borrow the font for this prefix.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$fonts/marlett.ttf" ]; then
    marlett=/usr/share/wine/fonts/marlett.ttf
    if [ ! -f "$marlett" ] && (cd "$work" && apt-get download -q fonts-wine >/dev/null 2>&1); then
        debs=("$work"/fonts-wine_*.deb)
        dpkg-deb -x "${debs[0]}" "$work/fonts-wine"
        marlett="$work/fonts-wine/usr/share/wine/fonts/marlett.ttf"
    fi
    if [ -f "$marlett" ]; then
        cp "$marlett" "$fonts/"
    fi
fi
# The Wine desktop is the picture's frame: make it the picture's size, then restart the server
# so that the desktop is created at that size.
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${width}x${height}" /f \
    >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
wineserver -p </dev/null >/dev/null 2>&1 || true

mkdir -p "$WINEPREFIX/drive_c/sample"
tr '|' '\t' >"$WINEPREFIX/drive_c/sample/field notes.txt" <<'TEXT'
Field notes, ridge survey                                  14 May

Morning count at the ridge: wind NW 3, clear after 07:30.

|07:42|pair hunting over the east slope, hovering 20-40 s
|08:05|male on the fence post by the barn, preening
|08:31|female carries a vole to nest box 4
|09:10|both out of sight; crows mobbing near the quarry

To do
- check boxes 2, 4 and 7 before the weekend
- ask about mowing the long meadow
- send the counts to the county recorder

Totals so far: 3 pairs on territory, 2 nests confirmed.
TEXT
sed -i 's/$/\r/' "$WINEPREFIX/drive_c/sample/field notes.txt"

observe() { wine "$tree/observer.exe" "$@" | tr -d '\r'; }
keys() { xdotool key --clearmodifiers --delay 60 "$@"; }

wine "$tree/kestrel.exe" 'C:\sample\field notes.txt' >/dev/null 2>&1 </dev/null &
kestrel=$!
observe wait-active MainClass "field notes.txt - Kestrel" 30000 >/dev/null
observe maximise MainClass >/dev/null
# The block: the four timed lines, from the start of the first to the start of the line after.
keys Down Down Down Down ctrl+k ctrl+b Down Down Down Down ctrl+k ctrl+k Up Up End
sleep 1

desktop=$(xdotool search --name 'Wine desktop' | head -n 1)
mkdir -p "$(dirname "$out")"
if [ -n "$desktop" ]; then
    import -window "$desktop" "$out"
else
    import -window root -crop "${width}x${height}+0+0" +repage "$out"
fi
keys alt+x
wait "$kestrel" || true
echo "wrote $out"
