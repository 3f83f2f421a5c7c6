#!/usr/bin/env bash
# Turns the golden cases into fuzz seeds: seeds_from_golden.sh GOLDEN_DIR OUT_DIR
# writes OUT_DIR/<target>/<case>... for every case folder of GOLDEN_DIR:
#   evaluation     the test set, the separator line "=====" and the submission
#   line_source    each of the two files as it is
#   number_reader  each file without its two header lines (lines of numbers)
set -euo pipefail
golden=$1
out=$2
mkdir -p "$out/evaluation" "$out/line_source" "$out/number_reader"

for case_dir in "$golden"/*/; do
  [ -d "$case_dir" ] || continue
  name=$(basename "$case_dir")
  input="$case_dir/input.txt"
  submission="$case_dir/submission.txt"
  [ -e "$input" ] || [ -e "$submission" ] || continue
  {
    if [ -f "$input" ]; then cat "$input"; fi
    printf '\n=====\n'
    if [ -f "$submission" ]; then cat "$submission"; fi
  } > "$out/evaluation/$name"
  for role in input submission; do
    file="$case_dir/$role.txt"
    [ -f "$file" ] || continue
    cp "$file" "$out/line_source/$name-$role"
    tail -n +3 "$file" > "$out/number_reader/$name-$role"
  done
done
