#!/usr/bin/env bash
# Compares opening a 100 MB, 1.6-million-line text file (one read into a fresh block, then the
# split into line records) with a plain `wc -l` of the same file, and prints the ratio.
# Runs alternate between the two so that both see the same load on the machine; each side's
# median wall time is used. The file is generated on first use and then read from the page cache.
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

# One benchmark run; prints its median wall time in milliseconds.
BenchMs() {
    "$bench" --benchmark_filter="^$1/real_time\$" --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        awk -F, -v want="\"$1/real_time_median\"" '$1 == want { print $3 }'
}

# One `wc -l` run; prints its wall time in milliseconds.
WcMs() {
    local start end
    start=$(date +%s%N)
    wc -l "$file" >/dev/null
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.3f\n", ns / 1e6 }'
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
coldMs=$(printf '%s\n' "${cold[@]}" | Median)
warmMs=$(printf '%s\n' "${warm[@]}" | Median)
wcMs=$(printf '%s\n' "${wc[@]}" | Median)

printf 'wc -l:                             %8.1f ms\n' "$wcMs"
printf 'read + split, fresh block:         %8.1f ms  ratio %.2f\n' "$coldMs" \
    "$(awk -v a="$coldMs" -v b="$wcMs" 'BEGIN { print a / b }')"
printf 'read + split, block reused:        %8.1f ms  ratio %.2f\n' "$warmMs" \
    "$(awk -v a="$warmMs" -v b="$wcMs" 'BEGIN { print a / b }')"
