#!/usr/bin/env bash
# Opening files of 0, 10, 100 and 400 MB in the running program under Wine, against the
# yardstick bench/minimal_open.cpp measured the same way in the same run: from launch until the
# window's title shows the file and the process has then used no CPU for 300 ms. Also reports
# each program's peak memory and where each one's time goes (their start-up logs).
#
# usage: bench/wine_open.sh [RUNS] [SIZES_MB...]    (after ./test.sh; defaults: 3, 0 10 100 400)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
runs=${1:-3}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(0 10 100 400)

source bench/wine_bench.sh
cmake --build "$build" --target kestrel minimal_open >/dev/null
trap 'pkill -f "minimal_open\.exe|kestrel\.exe" || true; StopTestDisplay' EXIT
StartTestDisplay "$build"

dir="$WINEPREFIX/drive_c/bench"
log="$dir/startup.log"

timer="$top/build/open_timer"
cc -O2 -o "$timer" bench/open_timer.c -lX11

# TimeOpen TITLE EXE ARG: prints "milliseconds peak_kB" for one launch.
TimeOpen() {
    "$timer" "$1" wine "$2" "$3"
}

Mib() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }

# Phases PROGRAM MB: the median of each start-up mark over the runs, and each phase's length.
Phases() {
    echo "$1, $2 MB (median ms since process creation; phase length):"
    ls "$dir"/phases_"$1"_*.log >/dev/null 2>&1 || { echo "  (no start-up log)"; return; }
    cat "$dir"/phases_"$1"_*.log | awk '
        { ms = $1; $1 = ""; name = substr($0, 2)
          if (!(name in count)) order[++n] = name
          values[name, ++count[name]] = ms }
        END {
          prev = 0
          for (i = 1; i <= n; i++) {
            name = order[i]; c = count[name]
            for (j = 1; j <= c; j++) v[j] = values[name, j]
            for (a = 1; a <= c; a++)
                for (b = a + 1; b <= c; b++)
                    if (v[b] < v[a]) { t = v[a]; v[a] = v[b]; v[b] = t }
            m = v[int((c + 1) / 2)]
            printf "  %8.1f  %7.1f  %s\n", m, m - prev, name
            prev = m
          }
        }'
}

printf '| file | yardstick | Kestrel | ratio | yardstick peak | Kestrel peak | memory bar |\n'
printf '|---|---|---|---|---|---|---|\n'
phases_report=""
for mb in "${sizes[@]}"; do
    # 16,129 lines to the megabyte.
    file=$(BenchFile "open_$mb.txt" $((mb * 16129)))
    name=$(basename "$file")
    winfile="C:\\bench\\$name"
    feeds=$(wc -l <"$file")
    cat "$file" >/dev/null # from the page cache for every run, the first one too
    y_ms=() y_kb=() k_ms=() k_kb=()
    rm -f "$dir"/phases_*.log
    for run in $(seq 1 "$runs"); do
        rm -f "$log"
        read -r ms kb < <(KESTREL_STARTUP_LOG='C:\bench\startup.log' \
            TimeOpen "$feeds line feeds" "$build/minimal_open.exe" "$winfile")
        y_ms+=("$ms") y_kb+=("$kb")
        [ -f "$log" ] && tr -d '\r' <"$log" >"$dir/phases_yardstick_$run.log"
        rm -f "$log"
        read -r ms kb < <(KESTREL_STARTUP_LOG='C:\bench\startup.log' \
            TimeOpen "$name - Kestrel" "$build/kestrel.exe" "$winfile")
        k_ms+=("$ms") k_kb+=("$kb")
        [ -f "$log" ] && tr -d '\r' <"$log" >"$dir/phases_kestrel_$run.log"
    done
    y=$(printf '%s\n' "${y_ms[@]}" | median)
    k=$(printf '%s\n' "${k_ms[@]}" | median)
    yk=$(printf '%s\n' "${y_kb[@]}" | median)
    kk=$(printf '%s\n' "${k_kb[@]}" | median)
    bytes=$(stat -c %s "$file")
    bar_kb=$((bytes * 115 / 100 / 1024 + 30 * 1024))
    printf '| %s MB | %d ms | %d ms | %.2fx | %.1f MB | %.1f MB | %.1f MB |\n' "$mb" "$y" "$k" \
        "$(awk -v a="$k" -v b="$y" 'BEGIN { print a / b }')" "$(Mib "$yk")" "$(Mib "$kk")" \
        "$(Mib "$bar_kb")"
    phases_report+=$'\n'"$(Phases yardstick "$mb")"$'\n'"$(Phases kestrel "$mb")"$'\n'
done
echo "$phases_report"
