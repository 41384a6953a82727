# Sourced by test.sh: a private X display and a throwaway Wine prefix for the Windows tests.
# Functions: StartTestDisplay BUILD_DIR, StopTestDisplay.

FindFreeDisplay() {
    local n
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

StartTestDisplay() {
    local build="$1"
    local n
    n=$(FindFreeDisplay) || { echo "no free X display number" >&2; return 1; }
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X${n}" ] && break
        sleep 0.1
    done
    # A desktop session loads X resources at login (xrdb). Without any, Xlib finds no resource
    # database to keep and goes back to the disk for ~/.Xdefaults at every lookup: hundreds of
    # failed file opens for each Wine program started here. -noreset above keeps them when the
    # last client leaves; the socket can appear before the server takes clients, hence the tries.
    for i in $(seq 1 50); do
        xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER $'Xcursor.size:\t16\n' \
            >/dev/null 2>&1 && break
        sleep 0.1
    done

    export WINEPREFIX="$build/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH="${KESTREL_WINEARCH:-win32}"
    # A virtual desktop lets Wine itself decide which window is active (no window manager
    # here), and a crash must end the test instead of waiting on a dialog.
    cat > "$build/test_prefix.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
    local reg_file
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the test Wine prefix (first time only)..."
        wineboot -i >/dev/null 2>&1 </dev/null || true
        # The desktop of this first session started before the values above were stored, so
        # it has no virtual desktop: every window would wait for a window manager that never
        # answers, and keys would go wherever X puts them. Store them and let the session end;
        # the next one reads them.
        reg_file=$(winepath -w "$build/test_prefix.reg" 2>/dev/null)
        wine regedit /S "$reg_file" >/dev/null 2>&1 </dev/null || true
        wineserver -w || true
    fi
    reg_file=$(winepath -w "$build/test_prefix.reg" 2>/dev/null)
    wine regedit /S "$reg_file" >/dev/null 2>&1 </dev/null || true
    # One persistent server, detached from our pipes, so that no test waits for a lingering one.
    wineserver -p </dev/null >/dev/null 2>&1 || true
}

StopTestDisplay() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" >/dev/null 2>&1 || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
