# Shared steps of the end-to-end tests: start the real kestrel.exe in the test prefix, type at
# it through X, and look at what a user would see. Sourced by every *_e2e.sh.
set -euo pipefail

: "${KESTREL_BUILD:?set by ctest: the win32 build directory}"
: "${WINEPREFIX:?set by ctest: the test prefix}"
: "${DISPLAY:?the tests need the display test.sh starts}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

E2E_DIR="$WINEPREFIX/drive_c/e2e/$(basename "$0" .sh)"
E2E_WIN_DIR="C:\\e2e\\$(basename "$0" .sh)"
KESTREL_PID=""
KESTREL_EXIT_FILE=""

# Ends the kestrel.exe processes of this test prefix only: other prefixes (other build trees
# testing at the same time) keep theirs.
KillKestrels() {
    local pid killed=1
    for pid in $(pgrep -f 'kestrel\.exe' 2>/dev/null); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            kill "$pid" 2>/dev/null && killed=0
        fi
    done
    return $killed
}

# A kestrel.exe left over from an earlier, failed test would confuse every window search.
KillKestrels && sleep 0.5 || true
rm -rf "$E2E_DIR"
mkdir -p "$E2E_DIR"

Fail() {
    echo "FAIL: $*" >&2
    echo "visible windows:" >&2
    Observe list >&2 || true
    # A window that never came may mean the editor ended early or never started.
    if [ -n "$KESTREL_EXIT_FILE" ] && [ -s "$KESTREL_EXIT_FILE" ]; then
        echo "kestrel.exe had ended with exit code $(cat "$KESTREL_EXIT_FILE")" >&2
    fi
    echo "Wine processes:" >&2
    pgrep -af 'wine|\.exe' >&2 || true
    exit 1
}

Observe() {
    wine "$KESTREL_BUILD/observer.exe" "$@" | tr -d '\r'
}

# Starts the editor with the given arguments (Windows paths) and returns at once.
StartKestrel() {
    KESTREL_EXIT_FILE="$E2E_DIR/.exit"
    rm -f "$KESTREL_EXIT_FILE"
    (
        set +e
        wine "$KESTREL_BUILD/kestrel.exe" "$@" >/dev/null 2>&1 </dev/null
        echo $? >"$KESTREL_EXIT_FILE"
    ) &
    KESTREL_PID=$!
}

# Waits for the editor to end; prints its exit code.
WaitExit() {
    local timeout_ms=${1:-15000}
    local waited=0
    while [ ! -s "$KESTREL_EXIT_FILE" ]; do
        if [ "$waited" -ge "$timeout_ms" ]; then
            Fail "kestrel.exe did not end within ${timeout_ms} ms"
        fi
        sleep 0.1
        waited=$((waited + 100))
    done
    wait "$KESTREL_PID" 2>/dev/null || true
    KESTREL_PID=""
    cat "$KESTREL_EXIT_FILE"
}

# Waits for a visible top-level window of CLASS titled TITLE ("-": any title).
WaitWindow() {
    Observe wait-window "$1" "$2" "${3:-15000}" >/dev/null || Fail "no window $1 \"$2\""
}

# Waits until that window is the active one, so that keys typed next reach it.
WaitActive() {
    Observe wait-active "$1" "$2" "${3:-15000}" >/dev/null || Fail "window $1 \"$2\" is not active"
}

WaitGone() {
    Observe wait-gone "$1" "${2:-10000}" >/dev/null || Fail "window $1 is still up"
}

# Types keys (xdotool names, e.g. alt+x Return ctrl+k) into whatever window Wine has active.
Keys() {
    xdotool key --clearmodifiers --delay 40 "$@"
}

TypeText() {
    xdotool type --delay 30 "$1"
}

StatusPane() {
    Observe status "$1" "${3:-10000}" "$2" >/dev/null || Fail "status pane $1 is not \"$2\""
}

Cleanup() {
    if [ -n "$KESTREL_PID" ]; then
        kill "$KESTREL_PID" 2>/dev/null || true
        KillKestrels || true
    fi
}
trap Cleanup EXIT

KESTREL_KEY='HKCU\Software\Hobart Freeware\Kestrel'
SETTINGS_KEY="$KESTREL_KEY\Settings"

# Every test starts from a first run: nothing stored.
ForgetSettings() {
    wine reg delete "$KESTREL_KEY" /f >/dev/null 2>&1 || true
}

# SetSetting NAME TYPE DATA, e.g. SetSetting linelength REG_DWORD 300
SetSetting() {
    wine reg add "$SETTINGS_KEY" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1 || Fail "reg add $1"
}

# Prints the data of a stored value as reg query shows it, or nothing when it is absent.
GetSetting() {
    wine reg query "$SETTINGS_KEY" /v "$1" 2>/dev/null | tr -d '\r' |
        awk -v name="$1" '$1 == name { print $3 }'
}

ExpectEq() {
    [ "$1" = "$2" ] || Fail "${3:-value}: expected '$2', got '$1'"
}

ForgetSettings
