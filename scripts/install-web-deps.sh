#!/usr/bin/env bash
# Installs what the web build needs: Debian's emscripten (and the Node.js it
# runs on). The web preset's toolchain runs this where emscripten is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh

want /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake emscripten
want node nodejs
install_wanted
