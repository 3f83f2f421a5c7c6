#!/usr/bin/env bash
# Installs what the Windows build and its test need: Debian's MinGW-w64 cross
# compiler, and Wine to run the .exe. The windows preset's toolchain runs this
# where the compiler is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh

want x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64
want /usr/lib/wine/wine64 wine64
want wine wine  # the wine command itself, which wine64 only recommends
install_wanted
