#!/usr/bin/env bash
# Builds the evaluator and evaluates the bundled example, then shows the report.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release > /dev/null
cmake --build --preset release -j "$(nproc)" --target Zvn22Barvotok
report=$(mktemp)
build/release/Zvn22Barvotok eval examples/input.txt examples/submission.txt "$report"
cat "$report"
rm -f "$report"
