#!/usr/bin/env bash
# Builds the evaluator (build/release/Zvn22Barvotok) and evaluates the bundled
# example, then shows the report. Needs only a compiler and CMake: the tools,
# the tests and their dependencies come with scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh

want cmake cmake
want g++ g++
install_wanted

# A build folder that already holds everything keeps it.
evaluator_only=(-DBARVOTOK_EVALUATOR_ONLY=ON)
if grep -qs '^BARVOTOK_EVALUATOR_ONLY:BOOL=OFF' build/release/CMakeCache.txt; then evaluator_only=(); fi
cmake --preset release "${evaluator_only[@]}" > /dev/null
cmake --build --preset release -j "$(nproc)" --target Zvn22Barvotok
report=$(mktemp)
build/release/Zvn22Barvotok eval examples/input.txt examples/submission.txt "$report"
echo "build/release/Zvn22Barvotok eval examples/input.txt examples/submission.txt REPORT gives:"
cat "$report"
rm -f "$report"
