#!/usr/bin/env bash
# kestrel.sh as a Linux user starts it: Linux file names (absolute, relative, with "~", with
# spaces, new) open in the editor under their Windows paths, while options still reach it as such.
source "$(dirname "$0")/lib.sh"

launcher="$(cd "$(dirname "$0")/../.." && pwd)/kestrel.sh"
dir="$KESTREL_BUILD/launcher e2e"
rm -rf "$dir"
mkdir -p "$dir/notes" "$dir/other"
printf 'todo\r\n' >"$dir/notes/todo.txt"
printf 'spaced\r\n' >"$dir/my notes.txt"

# Wine maps the Linux root to drive Z:, so this is the path the editor must show.
WindowsPath() {
    local path=${1//\//\\}
    echo "Z:$path"
}

# Starts kestrel.sh from folder FROM with the given arguments, on the exe this tree built.
StartLauncher() {
    local from=$1
    shift
    KESTREL_EXIT_FILE="$E2E_DIR/.exit"
    rm -f "$KESTREL_EXIT_FILE"
    (
        set +e
        cd "$from" && KESTREL_EXE="$KESTREL_BUILD/kestrel.exe" "$launcher" "$@" >/dev/null 2>&1 </dev/null
        echo $? >"$KESTREL_EXIT_FILE"
    ) &
    KESTREL_PID=$!
}

# Opens the editor through kestrel.sh and expects FILE's name in the title and its Windows path
# in the status bar, with no message in between; then closes it.
ExpectOpens() {
    local from=$1 file=$2
    shift 2
    StartLauncher "$from" "$@"
    WaitActive MainClass "$(basename "$file") - Kestrel"
    Observe wait-gone CMSGCLASS 0 >/dev/null || Fail "a message came up for $*"
    StatusPane 0 "$(WindowsPath "$file")"
    Keys alt+x
    ExpectEq "$(WaitExit)" 0 "exit code for $*"
}

ExpectOpens / "$dir/notes/todo.txt" "$dir/notes/todo.txt"
ExpectOpens "$dir/other" "$dir/notes/todo.txt" ../notes/./todo.txt
ExpectOpens "$dir/notes" "$dir/my notes.txt" "../my notes.txt"
HOME="$dir" ExpectOpens / "$dir/notes/todo.txt" "~/notes/todo.txt"

# A new file in an existing folder opens under its own name; typing and F2 write it.
StartLauncher "$dir/notes" fresh.txt
WaitActive MainClass "fresh.txt - Kestrel"
StatusPane 0 "$(WindowsPath "$dir/notes/fresh.txt")"
TypeText "hello"
Keys F2 alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
ExpectEq "$(cat "$dir/notes/fresh.txt")" "hello" "saved new file"

# A new file the user never saves leaves nothing behind.
StartLauncher / "$dir/notes/scratch.txt"
WaitActive MainClass "scratch.txt - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"
[ ! -e "$dir/notes/scratch.txt" ] || Fail "an unsaved new file was left on disk"

# "/x" is still an option, reported before the file after it is opened.
StartLauncher / /x "$dir/notes/todo.txt"
WaitActive CMSGCLASS Kestrel
Observe wait-gone MainClass 0 >/dev/null || Fail "the frame came up before the option message"
Keys Return
WaitActive MainClass "todo.txt - Kestrel"
Keys alt+x
ExpectEq "$(WaitExit)" 0 "exit code"

# With no display the launcher says so and starts nothing.
if message=$(env -u DISPLAY KESTREL_EXE=/nonexistent "$launcher" 2>&1); then
    Fail "kestrel.sh without a display succeeded"
fi
[[ $message == *"no display"* ]] || Fail "no-display message: $message"
rm -rf "$dir"
echo "launcher: ok"
