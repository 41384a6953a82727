# Shared steps of the benchmarks that run the program under Wine; sourced from the top of the
# tree. Picks the Windows build this host can run (the 32-bit one, or its 64-bit twin where
# 32-bit code cannot run) into $build and loads the test display's functions.
source scripts/wine_host.sh
UseWineForHost "$(pwd)"
export KESTREL_WINEARCH
build="${KESTREL_BUILD:-$KESTREL_WIN_TREE}"
source scripts/test_display.sh

# BenchFile NAME LINES: a file of LINES lines of 60 printable characters and CR LF in the test
# prefix's C:\bench, made on first use; prints its Linux path.
BenchFile() {
    local dir="$WINEPREFIX/drive_c/bench"
    mkdir -p "$dir"
    if [ ! -f "$dir/$1" ]; then
        awk -v n="$2" 'BEGIN { for (i = 0; i < n; i++)
            printf "%07d the quick brown fox jumps over the lazy dog 0123456\r\n", i }' >"$dir/$1"
    fi
    echo "$dir/$1"
}

observe() { wine "$build/observer.exe" "$@" | tr -d '\r'; }
now_ms() { date +%s%3N; }
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
