#!/usr/bin/env bash
# Installs the Debian packages Kestrel needs to build and test, when any is missing.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev googletest
          g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
          wine wine32:i386 wine64 xvfb xauth x11-utils
          xdotool xclip libx11-dev imagemagick clang libclang-rt-14-dev
          cups printer-driver-cups-pdf poppler-utils libcups2 libcups2:i386)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
