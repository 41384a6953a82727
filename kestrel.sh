#!/usr/bin/env bash
# Installs what is missing, builds kestrel.exe and opens it (through Wine) on $DISPLAY.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ]; then
    echo "kestrel.sh: no display. Kestrel is a Windows GUI program and needs an X display" >&2
    echo "(set DISPLAY, for example by running this from a desktop session)." >&2
    exit 1
fi
scripts/install_deps.sh
cmake -S . -B build/win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-i686.cmake" >/dev/null
cmake --build build/win32 --target kestrel
export WINEDEBUG=${WINEDEBUG:--all}
exec wine build/win32/kestrel.exe "$@"
