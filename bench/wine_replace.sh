#!/usr/bin/env bash
# "Replace all" of a word on every line of the 100 MB, 1.6-million-line file in the running
# program under Wine, and its Undo: milliseconds from the Replace all button until the report is
# up, and from Ctrl+Z until the status bar says the document is as loaded again. The observer is
# already waiting when the key goes, so its own start-up is not counted; its polling adds up to
# 50 ms.
#
# usage: bench/wine_replace.sh [RUNS]     (after ./test.sh has built the Windows tree)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
source bench/wine_bench.sh
cmake --build "$build" --target kestrel observer >/dev/null
kestrel=""
trap '[ -z "$kestrel" ] || kill "$kestrel" 2>/dev/null || true; StopTestDisplay' EXIT
StartTestDisplay "$build"
# 1.6 million lines of 60 characters, each with "quick" once: about 100 MB.
BenchFile big.txt 1600000 >/dev/null
FIND_TEXT=122
REPLACE_TEXT=123

wine "$build/kestrel.exe" 'C:\bench\big.txt' >/dev/null 2>&1 &
kestrel=$!
observe wait-active MainClass "big.txt - Kestrel" 120000 >/dev/null
sleep 2

replaced=() undone=()
for _ in $(seq 1 "$runs"); do
    xdotool key --clearmodifiers ctrl+q ctrl+a
    observe wait-active "#32770" Replace 10000 >/dev/null
    observe set-item Replace $FIND_TEXT quick >/dev/null
    observe set-item Replace $REPLACE_TEXT quicker >/dev/null
    observe wait-window CMSGCLASS Kestrel 120000 >/dev/null &
    watcher=$!
    sleep 2
    start=$(now_ms)
    xdotool key --clearmodifiers alt+a
    wait "$watcher"
    replaced+=($(($(now_ms) - start)))
    xdotool key Return
    observe wait-active "#32770" Replace 10000 >/dev/null
    xdotool key Escape
    observe wait-active MainClass "big.txt - Kestrel" 10000 >/dev/null
    observe status 1 10000 $'\tModified' >/dev/null
    observe status 1 120000 "" >/dev/null &
    watcher=$!
    sleep 2
    start=$(now_ms)
    xdotool key --clearmodifiers ctrl+z
    wait "$watcher"
    undone+=($(($(now_ms) - start)))
done
echo "replace all, 1.6M matches in 100 MB: median $(printf '%s\n' "${replaced[@]}" | median) ms" \
    "(runs: ${replaced[*]})"
echo "its undo: median $(printf '%s\n' "${undone[@]}" | median) ms (runs: ${undone[*]})"
xdotool key alt+x
wait "$kestrel" || true
kestrel=""
