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
sed -i '$d' "$scratch/tools/gen/pattern.cpp"

# Within the contest tool: the database below the judge and the standings,
# which stay apart. Each of the four includes is a fault of its own.
echo '#include "contest/judge/pool.h"' >> "$scratch/tools/contest/database/schema.h"
echo '#include "contest/standings/results.h"' >> "$scratch/tools/contest/database/records.h"
echo '#include "contest/standings/results.h"' >> "$scratch/tools/contest/judge/pool.h"
echo '#include "contest/judge/pool.h"' >> "$scratch/tools/contest/standings/results.h"
faults=$(bash "$checker" "$scratch" | tail -n 1)
[ "$faults" = "4 includes point up a layer" ] || { echo "FAIL: the contest's parts: $faults"; exit 1; }
echo "the layer check catches upward includes"
