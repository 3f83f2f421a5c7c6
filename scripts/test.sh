#!/usr/bin/env bash
# Builds the evaluator and its tools, and its web build, and runs every test
# (unit, golden and the rest that CTest knows). Installs whatever a fresh machine lacks.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset release -DBARVOTOK_EVALUATOR_ONLY=OFF
cmake --build --preset release -j "$(nproc)"
# The same evaluator in WebAssembly and the contestant's page, which the web
# tests check against this build.
cmake --workflow --preset web
# The evaluator for Windows, which the Wine test checks against this build;
# where MinGW-w64 cannot be had, that test says so and is skipped.
if command -v x86_64-w64-mingw32-g++-posix >/dev/null; then cmake --workflow --preset windows; fi
ctest --preset release -j "$(nproc)"
