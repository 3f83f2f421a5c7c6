#!/usr/bin/env bash
# Shards merged give the standings of one run, byte for byte: a contest
# judged once whole and once as three shards through GNU parallel, ranked in
# every format and option, with the shards named in two orders.
# Usage: shard_merge_test.sh barvotok-contest barvotok-gen barvotok-solve
# Exits 77 (skipped) while the judge is not built.
set -u
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../../../support/shell_checks.sh"
take_paths contest gen solve -- "$@"

"$gen" --cases 4 --width 20..50 --height 10..40 --colours 3..8 --pattern mixed --seed 11 -o input.txt
mkdir subs
"$solve" -q --contestant 100001 input.txt -o subs/a.txt
"$solve" -q --contestant 100002 --strategy lookahead input.txt -o subs/b.txt
"$solve" -q --contestant 100001 --pad 7 input.txt -o subs/c.txt
"$solve" -q --contestant 100003 --drop-last 1 input.txt -o subs/d.txt
printf 'x<&>\nBarvotok\n' >subs/e.txt
cp subs/a.txt subs/f.txt
{ printf '104444\nBarvotok\n'; tail -n +3 subs/b.txt | head -n 6; } >subs/g.txt
{ printf '1\001<",\377\n'; tail -n +2 subs/c.txt; } >"subs/h <b>&.txt"
"$solve" -q --contestant 000000 --strategy lookahead input.txt -o reference.txt

if ! "$contest" judge input.txt subs -d whole.db -j 2 >judge.txt 2>&1; then
  if grep -q 'not built yet' judge.txt; then
    echo "skipped: barvotok-contest judge is not built yet"
    exit 77
  fi
  cat judge.txt
  exit 1
fi
parallel --halt now,fail=1 "$contest" judge input.txt subs -d shard{}.db --shard {}/3 -j 1 ::: 0 1 2 >/dev/null 2>&1
check "three shards judged through GNU parallel" test $? -eq 0 -a -s shard0.db -a -s shard1.db -a -s shard2.db

for options in "" "--scoring moves" "--count last" "--scoring moves --count last"; do
  for format in csv json html; do
    # shellcheck disable=SC2086
    "$contest" standings whole.db --input input.txt --reference reference.txt $options -o "whole.$format"
    # shellcheck disable=SC2086
    "$contest" standings shard0.db shard1.db shard2.db --input input.txt --reference reference.txt $options \
      -o "merged.$format"
    # shellcheck disable=SC2086
    "$contest" standings shard2.db shard0.db shard1.db --input input.txt --reference reference.txt $options \
      -o "reversed.$format"
    check "$format ${options:-(defaults)}: shards merged equal one run" cmp -s "whole.$format" "merged.$format"
    check "$format ${options:-(defaults)}: in any order" cmp -s "whole.$format" "reversed.$format"
  done
done

# Standard input stands for the test set or a reference; the standings are
# the same, written to standard output.
"$contest" standings whole.db --input input.txt --reference reference.txt -o whole.json
"$contest" standings whole.db --input - --reference reference.txt -o - --format json <input.txt >piped-input.json
check "--input - reads the test set from standard input" cmp -s whole.json piped-input.json
"$contest" standings whole.db --input input.txt --reference - --format json -o - <reference.txt >piped-reference.json
check "--reference - reads a reference from standard input, shown as '-'" \
  test "$(sed 's/"reference.txt"/"-"/' whole.json)" = "$(cat piped-reference.json)" -a "$(grep -c '"-"' piped-reference.json)" -eq 1

# The last CSV is not empty by chance: every contestant, the unidentified
# submission and the reference are there.
"$contest" standings shard1.db shard2.db shard0.db --input input.txt --reference reference.txt -o merged.csv
check "the standings rank six contestants and show one reference" test "$(wc -l <merged.csv)" -eq 8
check "the reference is last" grep -q '^ref,000000,reference.txt,OK,' merged.csv
check "the failure and the unidentified submission are there" \
  test "$(grep -c -e ',d.txt,190,0,' -e '^[0-9]*,,e.txt,219,0,' merged.csv)" -eq 2

finish
