#!/usr/bin/env bash
# The contestant's page beside the native evaluator, in one run: the
# benchmark's ten 1000 x 1000 grids with the honest and the padded answers,
# judged by the page in headless Chromium and by the native evaluator.
# RUNS=N sets the runs of each (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tests/tools/visualise/install-browser-deps.sh
cmake --preset release > /dev/null
cmake --build --preset release -j 2 --target Zvn22Barvotok barvotok-bench-set > /dev/null
cmake --workflow --preset web > /dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "writing the test set and the submissions ..."
build/release/bench/barvotok-bench-set "$work" > /dev/null
node bench/web/page_benchmark.mjs build/web/barvotok.html build/release/Zvn22Barvotok \
  "$work/input.txt" "$work/honest.txt" "$work/padded.txt"
