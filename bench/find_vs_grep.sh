#!/usr/bin/env bash
# Compares a search for absent text through the 100 MB, 1.6-million-line document (the line
# store and the search "Find next" runs) with `grep -F -c` of the same text in the same file,
# and the search without case with the one with case. Runs alternate between the sides so that
# both see the same load; each side's median is used, wall time and CPU time (user + system).
#
# usage: bench/find_vs_grep.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  a non-sanitized Release tree (default build/bench); configured and built if needed
#   KESTREL_SPLIT_FILE  the file to search (default /tmp/kestrel_split_100mb.txt)
#   KESTREL_FIND_TEXT   the absent text (default "qzxj absent text")
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
runs=${2:-7}
file=${KESTREL_SPLIT_FILE:-/tmp/kestrel_split_100mb.txt}
text=${KESTREL_FIND_TEXT:-qzxj absent text}
export KESTREL_SPLIT_FILE=$file KESTREL_FIND_TEXT=$text

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DKESTREL_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target find_bench line_splitter_bench >/dev/null
if [ ! -f "$file" ]; then
    "$build/line_splitter_bench" --benchmark_filter='^BM_ReadAndSplitFile/' >/dev/null 2>&1
fi
[ "$(grep -F -c -- "$text" "$file" || true)" = 0 ] || { echo "\"$text\" is in $file" >&2; exit 1; }

# One benchmark; prints the median wall and CPU time of one search in milliseconds.
BenchMs() {
    "$build/find_bench" --benchmark_filter="^$1/real_time\$" --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        awk -F, -v want="\"$1/real_time_median\"" '$1 == want { print $3, $4 }'
}

GrepMs() {
    local TIMEFORMAT='%3R %3U %3S' times
    times=$({ time grep -F -c -- "$text" "$file" >/dev/null; } 2>&1)
    echo "$times" | awk '{ printf "%.3f %.3f\n", $1 * 1000, ($2 + $3) * 1000 }'
}

Median() {
    sort -g | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
Column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }' | Median; }
Ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

grep -F -c -- "$text" "$file" >/dev/null || true # warms the page cache
echo "file: $file ($(stat -c %s "$file") bytes), text: \"$text\""
cased=() folded=() grepped=()
for ((i = 0; i < runs; i++)); do
    cased+=("$(BenchMs BM_FindAbsentMatchCase)")
    grepped+=("$(GrepMs)")
    folded+=("$(BenchMs BM_FindAbsentIgnoreCase)")
    grepped+=("$(GrepMs)")
done
grepWall=$(Column 1 "${grepped[@]}") grepCpu=$(Column 2 "${grepped[@]}")
casedWall=$(Column 1 "${cased[@]}") casedCpu=$(Column 2 "${cased[@]}")
foldedWall=$(Column 1 "${folded[@]}") foldedCpu=$(Column 2 "${folded[@]}")
printf '%-30s %9s %6s %9s %6s\n' "" "wall ms" "ratio" "CPU ms" "ratio"
printf '%-30s %9.1f %6s %9.1f %6s\n' "grep -F -c" "$grepWall" "" "$grepCpu" ""
printf '%-30s %9.1f %6s %9.1f %6s\n' "search, case-sensitive" "$casedWall" \
    "$(Ratio "$casedWall" "$grepWall")" "$casedCpu" "$(Ratio "$casedCpu" "$grepCpu")"
printf '%-30s %9.1f %6s %9.1f %6s\n' "search, ignoring case" "$foldedWall" \
    "$(Ratio "$foldedWall" "$grepWall")" "$foldedCpu" "$(Ratio "$foldedCpu" "$grepCpu")"
printf '%-30s %9s %6s %9s %6s\n' "ignoring case / case-sensitive" "" \
    "$(Ratio "$foldedWall" "$casedWall")" "" "$(Ratio "$foldedCpu" "$casedCpu")"
