#!/usr/bin/env bash
# The memory check: memory_bound.sh EVALUATOR GENERATOR
#
# Ten 1000 x 1000 grids answered in full, of two kinds (see the generator),
# go through the evaluator under /usr/bin/time -v. Its peak resident memory
# must stay within 125 % of the documented bound:
#     4 bytes per test-set cell
#   + one framed working grid: 4 bytes x (w + 2) x (h + 2)
#   + two copies of the longest line of either file
#   + 8 MiB for the process itself, its buffers and the replay's lists
# Then a 64 MiB task-name line, in either file, is quoted in the report: the
# peak must stay below 4 times the line (its copies: the reader's buffer, the
# message, the report).
set -euo pipefail
exe=$1
generator=$2
cases=10
side=1000
mib=1048576

if [ ! -x /usr/bin/time ]; then
  echo "FAIL: /usr/bin/time is missing (Debian package time)"
  exit 1
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

failed=0
for kind in serpentine comb; do
  "$generator" "$kind" input.txt submission.txt "$cases" "$side" 2024
  /usr/bin/time -v "$exe" eval input.txt submission.txt report.txt 2> time.txt

  moves=$([ "$kind" = comb ] && echo 1 || echo $((side * side - 1)))
  { printf 'OK\n%d\n' "$cases"; for ((i = 1; i <= cases; i++)); do printf '%d %d\n' "$i" "$moves"; done; } > expected
  if ! cmp -s expected report.txt; then
    echo "FAIL $kind: the report is not the success form: $(head -c 200 report.txt)"
    failed=1
    continue
  fi

  peak=$(( $(awk -F': ' '/Maximum resident set size/ { print $2 }' time.txt) * 1024 ))
  longest=$(LC_ALL=C awk '{ if (length($0) > m) m = length($0) } END { print m }' input.txt submission.txt)
  bound=$(( 4 * cases * side * side + 4 * (side + 2) * (side + 2) + 2 * longest + 8 * mib ))
  limit=$(( bound * 5 / 4 ))
  awk -v kind="$kind" -v peak="$peak" -v bound="$bound" -v limit="$limit" -v mib="$mib" 'BEGIN {
    printf "%s: peak %.1f MiB, bound %.1f MiB (%.2f of it), limit %.1f MiB\n",
           kind, peak / mib, bound / mib, peak / bound, limit / mib }'
  if [ "$peak" -gt "$limit" ]; then
    echo "FAIL $kind: peak memory exceeds the bound by more than 25 %"
    failed=1
  fi
done

line=$((64 * mib))
printf 'Barvotok\n1\n\n1\n1 1 1\n1\n' > small-input.txt
printf '123456\nBarvotok\n1\n0\n\n' > small-submission.txt
{ head -c "$line" /dev/zero | tr '\0' x; printf '\n1\n'; } > long-input.txt
{ printf '123456\n'; head -c "$line" /dev/zero | tr '\0' x; printf '\n'; } > long-submission.txt
# name, test set, submission, the report's check line
while read -r name input submission check; do
  /usr/bin/time -v "$exe" eval "$input" "$submission" report.txt 2> time.txt
  if [ "$(head -c 28 report.txt)" != "Napaka [Zvn22Barvotok:$check]: " ] ||
    [ "$(stat -c %s report.txt)" -le "$line" ]; then
    echo "FAIL $name: the report does not quote the line: $(head -c 100 report.txt)"
    failed=1
    continue
  fi
  peak=$(( $(awk -F': ' '/Maximum resident set size/ { print $2 }' time.txt) * 1024 ))
  awk -v name="$name" -v peak="$peak" -v line="$line" -v mib="$mib" 'BEGIN {
    printf "%s: peak %.1f MiB, %.2f times the line\n", name, peak / mib, peak / line }'
  if [ "$peak" -ge $((4 * line)) ]; then
    echo "FAIL $name: a quoted line takes 4 times its length or more"
    failed=1
  fi
done << 'CASES'
test-set-task-name long-input.txt small-submission.txt 112
submission-task-name small-input.txt long-submission.txt 223
CASES
exit "$failed"
