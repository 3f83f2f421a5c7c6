#!/usr/bin/env bash
# CI's longer checks, after scripts/test.sh: every test under AddressSanitizer
# and UBSan, bounded fuzzing of every target, and static analysis.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/install-check-deps.sh

echo "=== asan build and tests"
cmake --preset asan
cmake --build --preset asan -j 2
ctest --preset asan -j 2

echo "=== fuzzing"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-30}"

echo "=== static analysis"
bash scripts/static-analysis.sh build/asan
