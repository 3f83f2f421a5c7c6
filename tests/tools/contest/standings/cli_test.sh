#!/usr/bin/env bash
# barvotok-contest standings as a user runs it: help, bad command lines (exit
# 2), files it cannot use (exit 1, nothing changed), and an output that is
# also an input. The results database is written with the tool's schema.
# Usage: standings_cli_test.sh barvotok-contest Zvn22Barvotok
set -u
here=$(cd "$(dirname "$0")" && pwd)
schema="$here/../../../../tools/contest/database/schema_v1.sql"
standings() {  # standings ARGUMENT...: runs it, keeps out.txt, err.txt, status
  "$contest" standings "$@" >out.txt 2>err.txt
  status=$?
}
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../../../support/shell_checks.sh"
take_paths contest evaluator -- "$@"

sqlite3 results.db <"$schema"
sqlite3 results.db "
  INSERT INTO test_sets VALUES ('t1', 'input.txt', 1);
  INSERT INTO test_cases VALUES ('t1', 1, 3, 2, 4);
  INSERT INTO submissions VALUES ('subs/a.txt', 'ha', 10, 't1'), ('subs/b.txt', 'hb', 10, 't1');
  INSERT INTO verdicts VALUES ('ha', 't1', CAST('123456' AS BLOB), 'OK',
    CAST('OK' || char(10) || '1' || char(10) || '1 4' || char(10) AS BLOB));
  INSERT INTO sections VALUES ('ha', 't1', 1, 1, 4);"

standings --help
check "--help exits 0 with the usage" test $status -eq 0 -a "$(head -c 33 out.txt)" = "Usage: barvotok-contest standings"

standings results.db -o out.txt
check "an unknown output extension exits 2" test $status -eq 2 -a "$(cat err.txt)" = \
  "barvotok-contest standings: the output 'out.txt' must end in .csv, .json or .html, or --format must name the format
Try 'barvotok-contest standings --help' for more information."
standings results.db -o -
check "standard output without --format exits 2" test $status -eq 2 -a "$(head -n 1 err.txt)" = \
  "barvotok-contest standings: standard output needs --format csv, json or html"
standings results.db -o - --format xml
check "an unknown --format exits 2" test $status -eq 2 -a "$(head -n 1 err.txt)" = \
  "barvotok-contest standings: invalid value 'xml' for --format: csv, json or html"
for arguments in "results.db" "-o out.csv" "results.db -o out.csv --scoring best" \
  "results.db -o out.csv --count first" "results.db -o out.csv --reference ref.txt" "results.db --bad -o out.csv"; do
  # shellcheck disable=SC2086
  standings $arguments
  check "'$arguments' exits 2 and writes nothing" test $status -eq 2 -a ! -e out.csv
done

while IFS='|' read -r arguments expected; do
  # shellcheck disable=SC2086
  standings $arguments
  check "'$arguments': refused, exit 2" test $status -eq 2 -a "$(head -n 1 err.txt)" = "barvotok-contest standings: $expected"
done <<'ROWS'
- -o out.csv|RESULTS cannot be standard input: a results database is read as a file
results.db --input - --reference - -o out.csv|standard input ('-') can be only one of INPUT and the references
ROWS
standings results.db -o out.csv
check "a good run exits 0" test $status -eq 0
cp out.csv by-name.csv
for format in csv json html; do
  standings results.db -o "by-name.$format"
  standings results.db --format "$format" -o - >/dev/null
  check "--format $format -o - writes what -o NAME.$format writes" test $status -eq 0 -a "$(cmp out.txt "by-name.$format" && echo same)" = same
  standings results.db --format "$format" -o "named.txt"
  check "--format $format decides for a name without its extension" test $status -eq 0 -a "$(cmp named.txt "by-name.$format" && echo same)" = same
done
standings results.db -o out.csv
check "a submission without a verdict is named on standard error" test "$(cat err.txt)" = \
  "barvotok-contest standings: 1 submission has no verdict yet, left out; run the judge again to finish"
check "the CSV ranks the judged one" test "$(tr -d '\r' <out.csv)" = \
  "rank,contestant,submission,verdict,total,moves_1,points_1
1,123456,a.txt,OK,1000000000,4,1000000000"

printf 'Barvotok\n1\n' >notes.txt
cp notes.txt notes.copy
standings notes.txt -o notes.csv
check "a file that is no results database exits 1, untouched, nothing written" \
  test $status -eq 1 -a ! -e notes.csv -a "$(cmp notes.txt notes.copy && echo same)" = same
standings results.db -o no-such-folder/out.csv
check "an unwritable output exits 1" test $status -eq 1 -a "$(tail -n 1 err.txt)" = \
  "barvotok-contest standings: cannot write 'no-such-folder/out.csv': No such file or directory"

cp results.db results.csv
cp results.db before.csv
mkdir sub
standings results.csv -o sub/../results.csv
check "an output that is an input exits 1, unchanged" test $status -eq 1 -a "$(cmp results.csv before.csv && echo same)" = same
check "... and says so" test "$(cat err.txt)" = \
  "barvotok-contest standings: will not write 'sub/../results.csv': it is the input 'results.csv'; nothing written"

# Standings are whole or absent: written beside and renamed into place, so a
# link stays a link and a reader never sees a part; a device is written in place.
printf 'old\n' >real.csv
ln -s real.csv link.csv
standings results.db -o link.csv
check "through a link: exit 0, the link kept, its file replaced whole" \
  test $status -eq 0 -a -L link.csv -a "$(head -c 4 real.csv)" = "rank"
check "nothing left beside" test -z "$(find . -name '.barvotok-*')"
if [ -c /dev/full ]; then
  ln -s /dev/full full.csv
  standings results.db -o full.csv
  check "a full device: exit 1, written in place, the link kept" test $status -eq 1 -a -L full.csv -a "$(tail -n 1 err.txt)" = \
    "barvotok-contest standings: cannot write 'full.csv': No space left on device"
fi

# References need the test set; a bad one gets the evaluator's own report.
printf 'Barvotok\n1\n\n1\n2 1 3\n1 4\n' >bad.txt
printf '000000\nBarvotok\n' >ref.txt
"$evaluator" eval bad.txt ref.txt report.txt
standings results.db --input bad.txt --reference ref.txt -o out.html
check "a bad test set exits 1 with the evaluator's report" test $status -eq 1 -a "$(cat err.txt)" = "$(cat report.txt)"
printf 'Barvotok\n1\n\n1\n2 1 3\n1 3\n' >input.txt
standings results.db --input input.txt -o out.html
check "a test set that was never judged exits 1" test $status -eq 1
check "... naming its hash" grep -q '^barvotok-contest standings: the results hold no verdicts for test set [0-9a-f]\{32\}$' err.txt

# The page's policy names its own style and script by their hashes: no fixed
# nonce that injected markup could carry, no inline style sheet but its own.
standings results.db -o policy.html
policy=$(sed -n 's/.*Content-Security-Policy" content="\([^"]*\)".*/\1/p' policy.html)
check "the page's policy allows its script and style by SHA-256 hash only" test "$(grep -o "'sha256-[A-Za-z0-9+/]*='" <<<"$policy" | wc -l)" -eq 2 \
  -a "$(grep -c 'nonce' <<<"$policy")" -eq 0 -a "$(grep -c "style-src-elem 'sha256-" <<<"$policy")" -eq 1

finish
