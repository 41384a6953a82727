#!/usr/bin/env bash
# Which command-line arguments the launcher takes for Linux file names, what it makes of them,
# and which one is a new document; winepath is replaced by Wine's default mapping of / to Z:.
set -euo pipefail
source "$(dirname "$0")/../../scripts/launcher.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/cwd/sub"
touch "$work/cwd/a.txt" "$work/home/h.txt"
cd "$work/cwd"
HOME="$work/home"
failures=0
Expect() {
    if [ "$1" != "$2" ]; then
        echo "FAIL: $3: expected '$2', got '$1'" >&2
        failures=$((failures + 1))
    fi
}

winepath() {
    [ "$1 $2" = "-w -0" ] || return 1
    shift 2
    local path
    for path in "$@"; do
        path=${path//\//\\}
        printf 'Z:%s\0' "$path"
    done
}

# argument | the Linux path it names, or "-" for one that reaches the program unchanged
while IFS='|' read -r arg want; do
    got=$(LinuxPathOf "$arg") || got=-
    Expect "$got" "$want" "LinuxPathOf '$arg'"
done <<TABLE
/x|-
/nosuch/x.txt|-
$work/cwd/a.txt|$work/cwd/a.txt
a.txt|$work/cwd/a.txt
sub/../a.txt|$work/cwd/a.txt
./new.txt|$work/cwd/new.txt
sub|$work/cwd/sub
newdir/|-
nosuch/x.txt|-
~|$work/home
~/h.txt|$work/home/h.txt
~/new.txt|$work/home/new.txt
~/nosuch/x.txt|-
|-
TABLE

# arguments (";"-separated) | the program's arguments (";"-separated) | the new document
while IFS='|' read -r args wantArgs wantNew; do
    IFS=';' read -r -a list <<<"$args"
    TranslateArguments "${list[@]}"
    Expect "$(IFS=';' && echo "${KESTREL_ARGS[*]}")" "$wantArgs" "arguments of '$args'"
    Expect "$KESTREL_NEW_FILE" "$wantNew" "new document of '$args'"
done <<TABLE
/x;a.txt|/x;Z:${work//\//\\}\\cwd\\a.txt|
my new.txt|Z:${work//\//\\}\\cwd\\my new.txt|$work/cwd/my new.txt
/x;new.txt;/y|/x;Z:${work//\//\\}\\cwd\\new.txt;/y|$work/cwd/new.txt
a.txt;new.txt|Z:${work//\//\\}\\cwd\\a.txt;Z:${work//\//\\}\\cwd\\new.txt|
/x;/y;/z;new.txt|/x;/y;/z;Z:${work//\//\\}\\cwd\\new.txt|
*.txt|Z:${work//\//\\}\\cwd\\*.txt|
nosuch/x.txt|nosuch/x.txt|
TABLE

[ "$failures" -eq 0 ] || exit 1
echo "launcher paths: ok"
