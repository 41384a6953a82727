#!/usr/bin/env bash
# Opening and saving a 100 MB, 1.6-million-line file in the running program under Wine, against
# yardsticks measured in the same run: a minimal Win32 program that only creates a window and
# reads the file (open), and `cp` of the file (save). Also reports peak memory after opening.
#
# usage: bench/wine_open_save.sh [RUNS]     (after ./test.sh has built build/win32)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
runs=${1:-3}
build="${KESTREL_BUILD:-$top/build/win32}"
cmake --build "$build" --target kestrel observer minimal_open >/dev/null
source scripts/test_display.sh
trap StopTestDisplay EXIT
StartTestDisplay "$build"

dir="$WINEPREFIX/drive_c/bench"
mkdir -p "$dir"
file="$dir/big.txt"
if [ ! -f "$file" ]; then
    # 1.6 million lines of 60 printable characters and CR LF: about 100 MB.
    awk 'BEGIN { for (i = 0; i < 1600000; i++) printf "%07d the quick brown fox jumps over the lazy dog 0123456\r\n", i }' >"$file"
fi
bytes=$(stat -c %s "$file")
observe() { wine "$build/observer.exe" "$@" | tr -d '\r'; }
now_ms() { date +%s%3N; }

# Milliseconds from launch until a window of CLASS with TITLE is up.
TimeUntilTitle() {
    local class=$1 title=$2
    shift 2
    local start end
    start=$(now_ms)
    wine "$@" >/dev/null 2>&1 &
    observe wait-window "$class" "$title" 120000 >/dev/null
    end=$(now_ms)
    echo $((end - start))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

kestrel_ms=()
minimal_ms=()
peak_kb=0
for _ in $(seq 1 "$runs"); do
    minimal_ms+=("$(TimeUntilTitle MinimalOpen "read $bytes" "$build/minimal_open.exe" 'C:\bench\big.txt')")
    pid=$(pgrep -f 'minimal_open.exe' | head -n 1)
    minimal_kb=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
    pkill -f minimal_open.exe || true
    kestrel_ms+=("$(TimeUntilTitle MainClass "big.txt - Kestrel" "$build/kestrel.exe" 'C:\bench\big.txt')")
    pid=$(pgrep -f 'kestrel.exe' | head -n 1)
    hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
    [ "$hwm" -gt "$peak_kb" ] && peak_kb=$hwm
    pkill -f kestrel.exe || true
    sleep 1
done
k=$(printf '%s\n' "${kestrel_ms[@]}" | median)
m=$(printf '%s\n' "${minimal_ms[@]}" | median)
echo "open: kestrel ${k} ms, minimal Win32 reader ${m} ms, ratio $(awk -v a="$k" -v b="$m" 'BEGIN { printf "%.2f", a / b }') (bar 2.0)"
limit_kb=$(( bytes * 115 / 100 / 1024 + 30 * 1024 ))
echo "peak memory after open: ${peak_kb} kB (bar ${limit_kb} kB = 1.15 x file + 30 MB;" \
    "the minimal reader peaks at ${minimal_kb:-0} kB)"

# Save: change one character, press F2, and wait until the Modified pane clears.
save_ms=()
cp_ms=()
for _ in $(seq 1 "$runs"); do
    start=$(now_ms); cp "$file" "$dir/copy.txt"; sync "$dir/copy.txt"; end=$(now_ms)
    cp_ms+=($((end - start)))
    wine "$build/kestrel.exe" 'C:\bench\big.txt' >/dev/null 2>&1 &
    observe wait-active MainClass "big.txt - Kestrel" 120000 >/dev/null
    xdotool type x
    observe status 1 10000 $'\tModified' >/dev/null
    start=$(now_ms)
    xdotool key F2
    observe status 1 120000 "" >/dev/null
    end=$(now_ms)
    save_ms+=($((end - start)))
    xdotool key alt+x
    sleep 1
    pkill -f kestrel.exe || true
done
s=$(printf '%s\n' "${save_ms[@]}" | median)
c=$(printf '%s\n' "${cp_ms[@]}" | median)
echo "save: kestrel ${s} ms, cp ${c} ms, ratio $(awk -v a="$s" -v b="$c" 'BEGIN { printf "%.2f", a / b }') (bar 2.0)"
rm -f "$dir/copy.txt"
