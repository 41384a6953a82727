#!/usr/bin/env bash
# Compares opening a 100 MB, 1.6-million-line text file (one read into a fresh block, then the
# split into line records) with a plain `wc -l` of the same file, and prints the ratio.
# Runs alternate between the two so that both see the same load on the machine; each side's
# median is used, for wall time and for CPU time (user + system), since on a busy machine the
# wall time mostly measures waiting for a processor. The file is generated on first use and then read from the page cache.
#
# usage: bench/split_vs_wc.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  a non-sanitized Release tree (default build/bench); configured and built if needed
#   KESTREL_SPLIT_FILE  the file to measure (default /tmp/kestrel_split_100mb.txt)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
runs=${2:-9}
file=${KESTREL_SPLIT_FILE:-/tmp/kestrel_split_100mb.txt}
export KESTREL_SPLIT_FILE=$file

if [ ! -x "$build/line_splitter_bench" ]; then
    cmake -S . -B "$build" -G Ninja -DKESTREL_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target line_splitter_bench >/dev/null
bench="$build/line_splitter_bench"

# One benchmark run; prints its median wall time and CPU time in milliseconds.
BenchMs() {
    "$bench" --benchmark_filter="^$1/real_time\$" --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        awk -F, -v want="\"$1/real_time_median\"" '$1 == want { print $3, $4 }'
}

# One `wc -l` run; prints its wall time and CPU time in milliseconds.
WcMs() {
    local TIMEFORMAT='%3R %3U %3S' times
    times=$({ time wc -l "$file" >/dev/null; } 2>&1)
    echo "$times" | awk '{ printf "%.3f %.3f\n", $1 * 1000, ($2 + $3) * 1000 }'
}

Median() {
    sort -g | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

BenchMs BM_ReadAndSplitFile >/dev/null # writes the file if missing and warms the page cache
wc -l "$file" >/dev/null
echo "file: $file ($(stat -c %s "$file") bytes, $(wc -l <"$file") line feeds)"

cold=() warm=() wc=()
for ((i = 0; i < runs; i++)); do
    cold+=("$(BenchMs BM_ReadAndSplitFile)")
    wc+=("$(WcMs)")
    warm+=("$(BenchMs BM_ReadAndSplitFileReusingBlock)")
    wc+=("$(WcMs)")
done
# Median of column $1 of the lines given.
Column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }' | Median; }
Ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

wcWall=$(Column 1 "${wc[@]}") wcCpu=$(Column 2 "${wc[@]}")
printf '%-28s %9s %6s %9s %6s\n' "" "wall ms" "ratio" "CPU ms" "ratio"
printf '%-28s %9.1f %6s %9.1f %6s\n' "wc -l" "$wcWall" "" "$wcCpu" ""
for kind in cold warm; do
    if [ "$kind" = cold ]; then
        label="read + split, fresh block" values=("${cold[@]}")
    else
        label="read + split, block reused" values=("${warm[@]}")
    fi
    wall=$(Column 1 "${values[@]}") cpu=$(Column 2 "${values[@]}")
    printf '%-28s %9.1f %6s %9.1f %6s\n' "$label" "$wall" "$(Ratio "$wall" "$wcWall")" "$cpu" \
        "$(Ratio "$cpu" "$wcCpu")"
done
