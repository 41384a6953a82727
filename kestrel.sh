#!/usr/bin/env bash
# Installs what is missing, builds kestrel.exe when a source changed and opens it (through Wine)
# on $DISPLAY, with each Linux file name on the command line turned into its Windows path.
# KESTREL_EXE=path/to/kestrel.exe runs that exe instead, with no package check and no build.
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    echo "kestrel.sh: no display. Kestrel is a Windows GUI program and needs an X display" >&2
    echo "(set DISPLAY, for example by running this from a desktop session)." >&2
    exit 1
fi
# The folder the user started from stays the current one, so relative names mean what they say.
top=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$top/scripts/wine_host.sh"
source "$top/scripts/launcher.sh"
UseWineForHost "$top"
exe=${KESTREL_EXE:-}
if [ -z "$exe" ]; then
    compiler=x86_64-w64-mingw32-g++-posix
    if [ "$KESTREL_WINEARCH" = win32 ]; then
        compiler=i686-w64-mingw32-g++-posix
    fi
    if ! LauncherToolsPresent "$compiler"; then
        "$top/scripts/install_deps.sh"
    fi
    BuildKestrel "$top" "$KESTREL_WIN_TREE" "$KESTREL_WIN_TOOLCHAIN"
    exe=$KESTREL_WIN_TREE/kestrel.exe
fi
RunKestrel "$exe" "$@"
