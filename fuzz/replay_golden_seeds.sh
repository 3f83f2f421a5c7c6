#!/usr/bin/env bash
# Replays the seeds made from the golden cases through every fuzz target:
# replay_golden_seeds.sh GOLDEN_DIR REPLAY_EXECUTABLE_DIR
set -euo pipefail
golden=$1
replays=$2
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
bash "$(dirname "$0")/seeds_from_golden.sh" "$golden" "$seeds"

mapfile -t targets < "$(dirname "$0")/targets.txt"
for target in "${targets[@]}"; do
  echo "$target:"
  "$replays/replay_$target" "$seeds/$target"
done
