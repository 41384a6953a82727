#!/usr/bin/env bash
# Compares "Replace all" of "delta" by "epsilon" through a 100 MB, 1.6-million-line document that
# holds the word on every line (the line store and the replacer the program runs) with
# `sed 's/delta/epsilon/g'` of the same file into /dev/null. Runs alternate between the sides so
# that both see the same load; each side's median is used, wall time and CPU time (user + system).
# The replacement is timed on the loaded document, the load itself not; sed reads the file from
# the page cache.
#
# usage: bench/replace_vs_sed.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  a non-sanitized Release tree (default build/bench); configured and built if needed
#   KESTREL_REPLACE_FILE  the document (default /tmp/kestrel_replace_100mb.txt, written by the
#                         benchmark when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
runs=${2:-5}
file=${KESTREL_REPLACE_FILE:-/tmp/kestrel_replace_100mb.txt}
export KESTREL_REPLACE_FILE=$file
# bench/replace_bench.cpp replaces the same two words.
word=delta longer=epsilon

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DKESTREL_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target replace_bench >/dev/null
if [ ! -f "$file" ]; then
    "$build/replace_bench" --benchmark_filter='^BM_ReplaceAllMatchCase/' >/dev/null 2>&1
fi
lines=$(grep -c '' "$file")
[ "$(grep -c -F -- "$word" "$file" || true)" = "$lines" ] ||
    { echo "not every line of $file holds \"$word\"" >&2; exit 1; }

# One benchmark; prints the median wall and CPU time of one "Replace all" in milliseconds.
BenchMs() {
    "$build/replace_bench" --benchmark_filter="^$1/real_time\$" --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        awk -F, -v want="\"$1/real_time_median\"" '$1 == want { print $3, $4 }'
}

SedMs() {
    local TIMEFORMAT='%3R %3U %3S' times
    times=$({ time sed "s/$word/$longer/g" "$file" >/dev/null; } 2>&1)
    echo "$times" | awk '{ printf "%.3f %.3f\n", $1 * 1000, ($2 + $3) * 1000 }'
}

Median() {
    sort -g | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
Column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }' | Median; }
Ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

sed "s/$word/$longer/g" "$file" >/dev/null # warms the page cache
echo "file: $file ($(stat -c %s "$file") bytes, $lines lines), \"$word\" by \"$longer\""
cased=() folded=() sedded=()
for ((i = 0; i < runs; i++)); do
    cased+=("$(BenchMs BM_ReplaceAllMatchCase)")
    sedded+=("$(SedMs)")
    folded+=("$(BenchMs BM_ReplaceAllIgnoreCase)")
    sedded+=("$(SedMs)")
done
sedWall=$(Column 1 "${sedded[@]}") sedCpu=$(Column 2 "${sedded[@]}")
casedWall=$(Column 1 "${cased[@]}") casedCpu=$(Column 2 "${cased[@]}")
foldedWall=$(Column 1 "${folded[@]}") foldedCpu=$(Column 2 "${folded[@]}")
printf '%-30s %9s %6s %9s %6s\n' "" "wall ms" "ratio" "CPU ms" "ratio"
printf '%-30s %9.1f %6s %9.1f %6s\n' "sed s/$word/$longer/g" "$sedWall" "" "$sedCpu" ""
printf '%-30s %9.1f %6s %9.1f %6s\n' "Replace all, case-sensitive" "$casedWall" \
    "$(Ratio "$casedWall" "$sedWall")" "$casedCpu" "$(Ratio "$casedCpu" "$sedCpu")"
printf '%-30s %9.1f %6s %9.1f %6s\n' "Replace all, ignoring case" "$foldedWall" \
    "$(Ratio "$foldedWall" "$sedWall")" "$foldedCpu" "$(Ratio "$foldedCpu" "$sedCpu")"
