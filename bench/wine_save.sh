#!/usr/bin/env bash
# Saving a 100 MB, 1.6-million-line file in the running program under Wine, against `cp` of the
# file plus `sync`, measured in the same run. (Opening is bench/wine_open.sh.)
#
# usage: bench/wine_save.sh [RUNS]     (after ./test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
source bench/wine_bench.sh
cmake --build "$build" --target kestrel observer >/dev/null
trap StopTestDisplay EXIT
StartTestDisplay "$build"
# 1.6 million lines: about 100 MB.
file=$(BenchFile big.txt 1600000)
dir=$(dirname "$file")

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
