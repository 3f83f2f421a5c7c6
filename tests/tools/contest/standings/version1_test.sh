#!/usr/bin/env bash
# A results database of the first schema version, which stored reports, as
# the judge of that version wrote it (version1/results-v1.db, with the CSV and
# JSON standings it gave then): the standings read it unchanged and give the
# same bytes, and the same page as the contest judged anew; the judge
# converts it in place, keeps every verdict and gives the evaluator's reports
# from it.
# Usage: version1_test.sh barvotok-contest Zvn22Barvotok
set -u
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../../../support/shell_checks.sh"
take_paths contest evaluator -- "$@"
stored="$(dirname "$(realpath "$0")")/version1"
cp -r "$stored"/. .
"$contest" judge input.txt subs -d anew.db >/dev/null 2>&1
"$contest" standings anew.db --input input.txt --reference reference.txt -o standings.html

standings_as_stored() {  # standings_as_stored DATABASE: the standings in every format are those of then
  local format
  for format in csv json html; do
    "$contest" standings "$1" --input input.txt --reference reference.txt -o "now.$format" || return 1
    cmp -s "now.$format" "standings.$format" || { echo "standings.$format differs"; return 1; }
  done
}

check "read as it is: the same standings" standings_as_stored results-v1.db
check "read as it is: the file unchanged" cmp -s results-v1.db "$stored/results-v1.db"

"$contest" judge input.txt subs -d results-v1.db --reports reports >summary.txt 2>err.txt
check "judged again: converted, nothing judged anew" \
  grep -q '^6 submissions, 6 contents: 6 judged before, 0 judged now' summary.txt
check "judged again: no complaint" test ! -s err.txt
check "judged again: now of this version" test "$(sqlite3 results-v1.db 'PRAGMA user_version')" = 2
check "judged again: the same standings" standings_as_stored results-v1.db
# Two judges that find the same file of the first version: one converts it,
# the other waits and finds it converted.
cp "$stored/results-v1.db" twice.db
"$contest" judge input.txt subs -d twice.db >first.txt 2>&1 &
first=$!
"$contest" judge input.txt subs -d twice.db >second.txt 2>&1
second_status=$?
wait $first
check "two judges at once: both convert or find it converted" test $? -eq 0 -a $second_status -eq 0
check "two judges at once: the same standings" standings_as_stored twice.db

reports_are_the_evaluators() {
  local file
  for file in subs/*; do
    "$evaluator" eval input.txt "$file" expected.report 2>/dev/null
    cmp -s expected.report "reports/${file##*/}.report" || { echo "report differs: $file"; return 1; }
  done
}
check "judged again: every report the evaluator's" reports_are_the_evaluators

finish
