#!/usr/bin/env bash
# Runs the judge as an organiser would and holds it to the evaluator: every
# report byte for byte, the database after a SIGKILL, incremental re-runs,
# shards, and the files it must refuse to touch.
# Usage: judge_test.sh barvotok-contest Zvn22Barvotok barvotok-gen barvotok-solve GOLDEN_DIR
set -u
query() { sqlite3 -batch -noheader "$@"; }
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../../../support/shell_checks.sh"
take_paths contest evaluator gen solve golden -- "$@"

# Every report equals the evaluator's, file by file, whatever the input holds.
same_reports() {  # same_reports INPUT REPORTS_DIR SUBMISSION...
  local input=$1 reports=$2 file
  shift 2
  for file in "$@"; do
    "$evaluator" eval "$input" "$file" expected.report 2>/dev/null
    cmp -s expected.report "$reports/${file##*/}.report" || { echo "report differs: $file"; return 1; }
  done
}

# 1. The golden cases: a good test set gives the evaluator's report, a bad one
#    its report on standard error as the solver shows it (contestant bytes
#    escaped), exit 1 and no database.
for case_dir in "$golden"/*/; do
  name=$(basename "$case_dir")
  [ -f "$case_dir/submission.txt" ] && [ -e "$case_dir/input.txt" ] || continue
  mkdir "g-$name" && cp -R "$case_dir/." "g-$name/" && cd "g-$name" || exit 1
  "$evaluator" eval input.txt submission.txt expected.report 2>/dev/null
  "$solve" -q input.txt -o /dev/null 2>expected.stderr
  "$contest" judge input.txt submission.txt -d results.db --reports out >stdout.txt 2>stderr.txt
  status=$?
  if [ -d out ]; then
    check "golden $name: same report" cmp -s expected.report out/submission.txt.report
    check "golden $name: exit 0" test $status -eq 0
  else
    check "golden $name: bad test set exits 1" test $status -eq 1
    check "golden $name: bad test set reported as the solver shows it" cmp -s expected.stderr stderr.txt
    check "golden $name: bad test set writes no database" test ! -e results.db
  fi
  cd "$scratch" || exit 1
done

# 2. Generated and hostile submissions on one test set, judged on 3 threads.
"$gen" -n 3 --width 60 --height 40 --seed 7 -o input.txt
mkdir subs
"$solve" -q input.txt -o subs/plain.txt
"$solve" -q --pad 9 input.txt -o subs/padded.txt
"$solve" -q --pad max input.txt -o subs/padded-max.txt
"$solve" -q --drop-last 1 input.txt -o subs/dropped.txt
"$solve" -q --stop-after 0 input.txt -o subs/no-moves.txt
"$solve" -q --contestant '12<&"x' input.txt -o subs/odd-contestant.txt
cp subs/plain.txt subs/plain-copy.txt
{ cat subs/plain.txt; tail -n +3 subs/plain.txt; } >subs/repeated.txt
sed 's/$/\r/' subs/plain.txt >subs/crlf.txt
head -c $(($(wc -c <subs/padded-max.txt) / 2)) subs/padded-max.txt >subs/truncated.txt
head -c 4000 /dev/urandom >subs/junk.bin
printf '000000\nBarvotok\n1\n\0\n' >subs/nul.txt
: >subs/empty.txt
"$contest" judge input.txt subs subs/plain.txt -d results.db -j 3 --reports out >summary.txt 2>&1
check "generated: exit 0" test $? -eq 0
check "generated: same reports" same_reports input.txt out subs/*
check "generated: identical contents judged once" \
  grep -q '^13 submissions, 12 contents: 0 judged before, 12 judged now' summary.txt
check "generated: one row per file" test "$(query results.db 'SELECT count(*) FROM submissions')" = 13
# A run with nothing new renders each report from the stored outcome alone.
"$contest" judge input.txt subs -d results.db --reports stored >/dev/null 2>&1
check "generated: each report rendered from the database is the evaluator's" same_reports input.txt stored subs/*
check "generated: the contestant line as written" test "$(query results.db "
  SELECT DISTINCT CAST(contestant AS TEXT) FROM verdicts JOIN submissions ON hash = submission_hash
  WHERE path = 'subs/odd-contestant.txt'")" = '12<&"x'

# 3. Incremental: nothing new is judged again; a new file is; another test set keeps apart.
"$contest" judge input.txt subs -d results.db >summary.txt 2>&1
check "re-run: judges nothing" grep -q ' 0 judged now' summary.txt
"$solve" -q --pad 3 input.txt -o subs/late.txt
"$contest" judge input.txt subs -d results.db >summary.txt 2>&1
check "re-run: judges only the new file" grep -q '12 judged before, 1 judged now' summary.txt
# A folder's hidden files (a tool's temporary file, .gitkeep) and editors'
# backups are no contestant's: skipped, and counted in the summary.
cp subs/late.txt subs/.barvotok-123.tmp
cp subs/late.txt subs/late.txt~
: >subs/.gitkeep
"$contest" judge input.txt subs -d results.db >summary.txt 2>&1
check "hidden and backup files: skipped and counted" \
  grep -q ' 0 judged now .*; 3 hidden or backup files skipped$' summary.txt
check "hidden and backup files: not recorded" test "$(query results.db \
  "SELECT count(*) FROM submissions WHERE path LIKE '%.tmp' OR path LIKE '%~' OR path LIKE '%.gitkeep'")" = 0
# --json: the same summary as one JSON object, with the files of each kind.
mkdir json-subs
cp subs/late.txt json-subs/a.txt
cp subs/late.txt json-subs/b.txt
printf 'not a submission\n' >json-subs/c.txt
cp subs/late.txt json-subs/d.txt~
"$contest" judge input.txt json-subs -d json.db --json >summary.txt 2>&1
check "--json: the first run as one object" test "$(sed 's/"milliseconds":[0-9]*,//' summary.txt)" = \
  '{"submissions":3,"contents":2,"judged_before":0,"judged_now":2,"passed":1,"failed":1,"left":0,"skipped":1,"files":{"judged_now":["json-subs/a.txt","json-subs/b.txt","json-subs/c.txt"],"judged_before":[],"left":[],"skipped":["json-subs/d.txt~"]}}'
"$contest" judge input.txt json-subs/c.txt json-subs/a.txt -d json.db --json >summary.txt 2>&1
check "--json: judged before, in the order named" test "$(sed 's/"milliseconds":[0-9]*,//' summary.txt)" = \
  '{"submissions":2,"contents":2,"judged_before":2,"judged_now":0,"passed":0,"failed":0,"left":0,"skipped":0,"files":{"judged_now":[],"judged_before":["json-subs/c.txt","json-subs/a.txt"],"left":[],"skipped":[]}}'
rm subs/.barvotok-123.tmp subs/late.txt~ subs/.gitkeep
"$gen" -n 3 --width 60 --height 40 --seed 8 -o other-input.txt
"$contest" judge other-input.txt subs -d results.db >summary.txt 2>&1
check "another test set: judged afresh" grep -q '0 judged before, 13 judged now' summary.txt
check "another test set: verdicts kept apart" \
  test "$(query results.db 'SELECT count(DISTINCT test_set) FROM verdicts')" = 2

# 4. SIGKILL mid-run, then a re-run finishes the job; nothing partial meanwhile.
"$gen" -n 4 --width 300 --height 300 --seed 3 -o big.txt
"$solve" -q --pad 40000 big.txt -o padded-big.txt
mkdir many
for i in $(seq 1 80); do { printf '%06d\n' "$i"; tail -n +2 padded-big.txt; } >"many/$i.txt"; done
"$contest" judge big.txt many -d killed.db -j 2 >/dev/null 2>&1 &
judge_pid=$!
judged=0
for _ in $(seq 1 600); do
  judged=$(query killed.db 'SELECT count(*) FROM verdicts' 2>/dev/null || echo 0)
  [ "${judged:-0}" -ge 5 ] && break
  sleep 0.02
done
kill -KILL $judge_pid 2>/dev/null
wait $judge_pid 2>/dev/null
judged=$(query killed.db 'SELECT count(*) FROM verdicts')
check "killed: stopped mid-run ($judged of 80)" test "$judged" -ge 5 -a "$judged" -lt 80
check "killed: integrity_check ok" test "$(query killed.db 'PRAGMA integrity_check')" = ok
check "killed: every named file has its whole verdict" test "$(query killed.db "
  SELECT count(*) FROM submissions s JOIN verdicts v ON v.submission_hash = s.hash
  WHERE (SELECT count(*) FROM sections x WHERE x.verdict = v.id) = 4")" = "$judged"
"$contest" judge big.txt many -d killed.db -j 2 --reports killed-out >summary.txt 2>&1
check "killed: the re-run judges the rest" grep -q "$judged judged before, $((80 - judged)) judged now" summary.txt
check "killed: then every report is the evaluator's" same_reports big.txt killed-out many/1.txt many/80.txt

# 5. Shards through GNU parallel: disjoint parts that make up the whole list.
if command -v parallel >/dev/null; then
  parallel --will-cite "$contest" judge input.txt subs -d shard-{}.db --shard {}/3 ::: 0 1 2 >/dev/null 2>&1
  check "shards: exit 0" test $? -eq 0
  for k in 0 1 2; do query shard-$k.db 'SELECT path FROM submissions'; done | sort >shard-paths.txt
  query results.db "SELECT DISTINCT path FROM submissions" | sort >all-paths.txt
  check "shards: each file in exactly one shard" cmp -s shard-paths.txt all-paths.txt
fi

# 6. Files it must not touch, and command lines it refuses before judging.
printf 'not a database\n' >notes.txt
cp notes.txt notes.orig
sqlite3 foreign.db 'CREATE TABLE t (x); INSERT INTO t VALUES (1);'
cp foreign.db foreign.orig
for results in notes.txt foreign.db; do
  "$contest" judge input.txt subs/plain.txt -d $results >out.txt 2>err.txt
  check "not ours ($results): exit 1" test $? -eq 1
  check "not ours ($results): says so" grep -q "is not a results database of barvotok-contest" err.txt
  check "not ours ($results): untouched" cmp -s $results "${results%.*}.orig"
done
ln input.txt linked-input.txt
for results in input.txt subs/plain.txt linked-input.txt; do
  cp input.txt input.orig
  "$contest" judge input.txt subs -d $results >out.txt 2>err.txt
  check "RESULTS $results is an input: exit 1" test $? -eq 1
  check "RESULTS $results is an input: untouched" cmp -s input.txt input.orig
done
mkdir -p a b
cp subs/plain.txt a/x.txt
cp subs/junk.bin b/x.txt
cp subs/plain.txt a/$'\e[2J\e]0;x\a.txt'
cp subs/junk.bin b/$'\e[2J\e]0;x\a.txt'
"$contest" judge input.txt a b -d twins.db --reports twins >out.txt 2>err.txt
check "same file names under --reports: exit 1" test $? -eq 1
check "same file names under --reports: nothing written" test ! -e twins.db -a ! -e twins
check "same file names under --reports: the name shown escaped" test "$(cat err.txt)" = \
  "barvotok-contest judge: two submissions are named '\x1b[2J\x1b]0;x\x07.txt'; their reports would collide"
rm a/$'\e[2J\e]0;x\a.txt' b/$'\e[2J\e]0;x\a.txt'

"$contest" judge input.txt a b -d twins.db >out.txt 2>err.txt
check "same file names without --reports: judged" test $? -eq 0

# 7. No report is ever the results database or its -wal or -shm file, named
#    directly or through a link in the reports folder, whether the database
#    exists yet or not; nor is a report name longer than the file system
#    allows. Refused with exit 1 before anything is written.
mkdir clash && cd clash || exit 1
cp ../input.txt ../subs/plain.txt .
"$contest" judge input.txt plain.txt -d kept.db >/dev/null
cp kept.db kept.orig
clashes=(
  "-d out/plain.txt.report --reports out|"
  "-d kept.db --reports out|out/plain.txt.report -> ../kept.db"
  "-d kept.db --reports out|out/plain.txt.report -> ../kept.db-wal"
  "-d kept.db --reports out|out/plain.txt.report -> ../kept.db-shm"
  "-d new.db --reports out|out/plain.txt.report -> ../new.db"
  "-d new.db --reports out|out/plain.txt.report -> ../new.db-wal"
)
for row in "${clashes[@]}"; do
  IFS='|' read -r options link <<<"$row"
  rm -rf out new.db*
  mkdir out
  [ -n "$link" ] && ln -s "${link#* -> }" "${link% -> *}"
  before=$(find . -printf '%p %s %T@\n' | sort)
  # shellcheck disable=SC2086
  "$contest" judge input.txt plain.txt $options >../out.txt 2>../err.txt; status=$?
  check "report onto the database ($options, ${link:-direct}): exit 1" test $status -eq 1
  check "report onto the database ($options, ${link:-direct}): refused" grep -q "will not write 'out/plain.txt.report'" ../err.txt
  check "report onto the database ($options, ${link:-direct}): nothing written" \
    test "$(find . -printf '%p %s %T@\n' | sort)" = "$before"
  check "report onto the database ($options, ${link:-direct}): the database whole" cmp -s kept.db kept.orig
done
long=$(printf 'a%.0s' $(seq 246)).txt  # 250 bytes, a legal name; its report's is not
cp plain.txt "$long"
"$contest" judge input.txt plain.txt "$long" -d long.db --reports long >out.txt 2>err.txt
check "a report name too long: exit 1 before judging" test $? -eq 1 -a ! -e long.db -a ! -e long
check "a report name too long: says so" grep -q "its file name is longer than the file system allows (255 bytes); nothing written$" err.txt
cd .. || exit 1

finish
