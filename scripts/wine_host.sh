# Sourced by test.sh and kestrel.sh: which Windows build of Kestrel this host can run.
# UseWineForHost TOP sets KESTREL_WIN_TREE, KESTREL_WIN_TOOLCHAIN and KESTREL_WINEARCH.
# The shipped program is the 32-bit build, run by the 32-bit Wine. A kernel with IA-32
# emulation switched off refuses every 32-bit Linux binary, the 32-bit Wine among them; there
# only the 64-bit Wine starts, so the 64-bit twin of the same sources is run instead, and
# `wine` (with the tools that call it by name) is pointed at the 64-bit loader.

HostRuns32BitWine() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

UseWineForHost() {
    local top="$1"
    if HostRuns32BitWine; then
        KESTREL_WIN_TREE="$top/build/win32"
        KESTREL_WIN_TOOLCHAIN="$top/cmake/mingw-i686.cmake"
        KESTREL_WINEARCH=win32
        return 0
    fi
    KESTREL_WIN_TREE="$top/build/win64"
    KESTREL_WIN_TOOLCHAIN="$top/cmake/mingw-x86_64.cmake"
    KESTREL_WINEARCH=win64
    local shim="$top/build/wine64-bin" name
    mkdir -p "$shim"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' \
            >"$shim/$name"
        chmod +x "$shim/$name"
    done
    export PATH="$shim:$PATH"
}
