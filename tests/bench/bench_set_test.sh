#!/usr/bin/env bash
# The whole-process benchmark's files on small grids: the evaluator accepts
# both submissions, every padded section holding exactly w * h moves.
# Arguments: barvotok-bench-set and Zvn22Barvotok.
set -euo pipefail
bench_set=$1
evaluator=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bench_set" "$work" 30
"$evaluator" eval "$work/input.txt" "$work/honest.txt" "$work/honest_report.txt"
"$evaluator" eval "$work/input.txt" "$work/padded.txt" "$work/padded_report.txt"

fail() { echo "FAIL: $*"; exit 1; }
[ "$(head -n 2 "$work/honest_report.txt")" = $'OK\n10' ] || fail "honest: $(head -n 2 "$work/honest_report.txt")"
expected_padded=$'OK\n10'
for number in $(seq 1 10); do expected_padded+=$'\n'"$number 900"; done
[ "$(cat "$work/padded_report.txt")" = "$expected_padded" ] || fail "padded: $(cat "$work/padded_report.txt")"
# The greedy answers are short: far fewer moves than the padded ones.
awk 'NR > 2 && $2 >= 900 { bad = 1 } END { exit bad }' "$work/honest_report.txt" || fail "honest answer padded"
echo "bench set: both submissions accepted"
