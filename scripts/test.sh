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
ctest --preset release -j "$(nproc)"
