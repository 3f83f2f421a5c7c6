#!/usr/bin/env bash
# The limit table of barvotok-bench in two builds, one after the other: the
# CMake release build, and the flags of the evaluator's one-command build
# (-O2 and nothing else), so that a hot helper that one optimiser leaves out
# of line shows as a gap between them. Extra arguments go to both runs
# (REPETITIONS=N for more than 3 repetitions).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >/dev/null
cmake --preset release -DBARVOTOK_EVALUATOR_ONLY=OFF >/dev/null
cmake --build --preset release -j "$(nproc)" --target barvotok-bench >/dev/null
cmake -S . -B build/one-command -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS=-O2 -DBARVOTOK_EVALUATOR_ONLY=OFF >/dev/null
cmake --build build/one-command -j "$(nproc)" --target barvotok-bench >/dev/null

for build in release one-command; do
  echo "== $build"
  "build/$build/bench/barvotok-bench" --benchmark_filter='^limit/' \
    --benchmark_repetitions="${REPETITIONS:-3}" "$@" | sed -n '/^The limit table/,$p'
done
