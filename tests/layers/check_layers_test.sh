#!/usr/bin/env bash
# The layer check itself: it passes on a copy of the tree and fails once a
# lower layer includes a higher one, or one tool includes another's code.
set -uo pipefail
root=$(realpath "$1")
checker=$(dirname "$(realpath "$0")")/check_layers.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R "$root/src" "$root/tools" "$scratch/"

bash "$checker" "$scratch" >/dev/null || { echo "FAIL: the tree as it is does not pass"; exit 1; }

echo '#include "../driver/report.h"' >> "$scratch/src/text/numbers.cpp"
bash "$checker" "$scratch" >/dev/null && { echo "FAIL: text including driver passes"; exit 1; }
sed -i '$d' "$scratch/src/text/numbers.cpp"

echo '#include "solve/solvers.h"' >> "$scratch/tools/gen/pattern.cpp"
bash "$checker" "$scratch" >/dev/null && { echo "FAIL: one tool including another passes"; exit 1; }
echo "the layer check catches upward includes"
