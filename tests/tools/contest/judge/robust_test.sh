#!/usr/bin/env bash
# The judge and the standings under faults: a file that changes or fails while
# it is judged, a disk that fills as the log is folded, a database that cannot
# be read, files that are not ours, read-only storage, two judges creating one
# database, and SIGINT or SIGTERM mid-run. Parts that need a private mount
# (root, or a user namespace) are skipped with a note when there is none; the
# whole test exits 77 only when nothing else ran.
# Usage: robust_test.sh barvotok-contest Zvn22Barvotok barvotok-gen barvotok-solve READ_SHIM SECOND_OPEN_SHIM
set -u
query() { sqlite3 -batch -noheader "$@"; }
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../../../support/shell_checks.sh"
take_paths contest evaluator gen solve read_shim second_open_shim -- "$@"
judge() {  # judge ARGUMENT...: runs it, keeps out.txt, err.txt, status
  "$contest" judge "$@" >out.txt 2>err.txt
  status=$?
}
# Runs a command in a mount namespace of its own, where it may mount.
private_mount() {
  if [ "$(id -u)" = 0 ]; then unshare -m "$@"; else unshare -rm "$@"; fi
}
mounts=yes
private_mount true 2>/dev/null || { mounts=no; echo "note: no private mount here; the tmpfs parts are skipped"; }

"$gen" -n 2 --width 30 --height 20 --seed 5 -o input.txt
mkdir subs
"$solve" -q --contestant 111111 input.txt -o subs/a.txt
"$solve" -q --contestant 222222 --drop-last 1 input.txt -o subs/b.txt
cp subs/a.txt subs/c.txt

# 1. A file replaced after it was hashed: its verdict is not kept under the
#    old bytes' hash; the next run judges every file as it now is.
cp subs/b.txt b-original.txt
SECOND_OPEN_FILE=subs/b.txt SECOND_OPEN_CONTENT=subs/a.txt LD_PRELOAD=$second_open_shim \
  "$contest" judge input.txt subs -d changed.db -j 1 >out.txt 2>err.txt
status=$?
check "changed while judged: exit 1" test $status -eq 1
check "changed while judged: named" grep -q "^barvotok-contest judge: 'subs/b.txt' changed while it was judged; it is left for the next run$" err.txt
check "changed while judged: no verdict under the hash of the bytes listed" test "$(query changed.db "
  SELECT count(*) FROM verdicts v JOIN submissions s ON s.hash = v.submission_hash WHERE s.path = 'subs/b.txt'")" = 0
check "changed while judged: left for the next run" grep -q '; 1 not judged yet: run the judge again to finish$' out.txt
judge input.txt subs -d changed.db --reports changed-reports
check "changed while judged: the re-run judges it as it now is" test $status -eq 0
"$evaluator" eval input.txt subs/b.txt expected.report
check "changed while judged: its report is the evaluator's" cmp -s expected.report changed-reports/b.txt.report

# 1b. A test set replaced after it was hashed: its hash would name the
#     verdicts of another test set, so nothing is judged or recorded.
"$gen" -n 2 --width 30 --height 20 --seed 6 -o other-input.txt
cp input.txt moving-input.txt
SECOND_OPEN_FILE=moving-input.txt SECOND_OPEN_CONTENT=other-input.txt LD_PRELOAD=$second_open_shim \
  "$contest" judge moving-input.txt subs -d moving.db -j 1 >out.txt 2>err.txt
status=$?
check "test set changed while read: exit 1" test $status -eq 1
check "test set changed while read: said so" grep -q "^barvotok-contest judge: the test set 'moving-input.txt' changed while it was read; nothing was judged: run the judge again$" err.txt
check "test set changed while read: nothing recorded" test ! -e moving.db

# 1c. A database changed by another hand proves itself false: the judge and
#     the standings refuse it, name the file and the fault, change nothing
#     and exit 1; nothing aborts.
judge input.txt subs -d clean.db
while IFS='|' read -r what fault tamper; do
  cp clean.db tampered.db
  query tampered.db "$tamper"
  before=$(cksum <tampered.db)
  judge input.txt subs -d tampered.db
  check "$what: the judge refuses it" test $status -eq 1 -a "$(grep -c -e "$fault" err.txt)" -eq 1
  "$contest" standings tampered.db -o tampered.csv >out.txt 2>err.txt
  check "$what: the standings refuse it" test $? -eq 1 -a "$(grep -c -e "$fault" err.txt)" -eq 1 -a ! -e tampered.csv
  check "$what: left unchanged" test "$(cksum <tampered.db)" = "$before"
done <<'ROWS'
a trigger added|holds a trigger|CREATE TRIGGER t AFTER INSERT ON verdicts BEGIN UPDATE verdicts SET contestant = X'313131313131'; END;
a view added|holds a view|CREATE VIEW v AS SELECT * FROM verdicts;
an index added|holds a index|CREATE INDEX i ON sections(moves);
negative moves|-1000 moves on test case|UPDATE sections SET moves = -1000 WHERE position = 1;
moves beyond the grid|2000000000 moves on test case|UPDATE sections SET moves = 2000000000 WHERE position = 1;
a test case count that is no row count|counts 5000000 test cases but describes 2|UPDATE test_sets SET case_count = 5000000;
a grid beyond the format|a size outside the format's limits|UPDATE test_cases SET w = 5000 WHERE number = 1;
ROWS
# A damaged page, the verdicts' first: the quick check finds it.
cp clean.db damaged.db
page=$(query clean.db "SELECT (rootpage - 1) * (SELECT page_size FROM pragma_page_size) FROM sqlite_schema WHERE name = 'verdicts'")
printf '\377%.0s' $(seq 1 200) | dd of=damaged.db bs=1 seek="$page" conv=notrunc status=none
judge input.txt subs -d damaged.db
check "a damaged page: the judge refuses it" test $status -eq 1 -a "$(grep -c 'it is damaged' err.txt)" -eq 1
"$contest" standings damaged.db -o damaged.csv >out.txt 2>err.txt
check "a damaged page: the standings refuse it" test $? -eq 1 -a "$(grep -c 'it is damaged' err.txt)" -eq 1

# 1d. A stored verdict rewritten by hand into another consistent one: only
#     --recheck can tell; it names the file, keeps the verdict judged again,
#     and exits 1; a second recheck finds nothing.
mkdir rsubs
cp subs/a.txt rsubs/a.txt
cp b-original.txt rsubs/b.txt
judge input.txt rsubs -d rewritten.db
query rewritten.db "
  CREATE TEMP VIEW h AS SELECT (SELECT hash FROM submissions WHERE path = 'rsubs/a.txt') AS a,
                               (SELECT hash FROM submissions WHERE path = 'rsubs/b.txt') AS b;
  CREATE TEMP VIEW id AS SELECT (SELECT id FROM verdicts, h WHERE submission_hash = h.a) AS a,
                                (SELECT id FROM verdicts, h WHERE submission_hash = h.b) AS b;
  UPDATE verdicts SET (outcome, check_line, message) =
    (SELECT outcome, check_line, message FROM verdicts, id WHERE verdicts.id = id.a) WHERE id = (SELECT b FROM id);
  DELETE FROM sections WHERE verdict = (SELECT b FROM id);
  INSERT INTO sections SELECT id.b, position, test_case, moves FROM sections, id WHERE verdict = id.a;"
judge input.txt rsubs -d rewritten.db
check "a verdict rewritten by hand: a plain run reuses it" test $status -eq 0
judge input.txt rsubs -d rewritten.db --recheck --reports rechecked
check "--recheck: exit 1, the file named" test $status -eq 1 -a \
  "$(grep -c "^barvotok-contest judge: the stored verdict of 'rsubs/b.txt' was 'OK', judged again it is " err.txt)" -eq 1
"$evaluator" eval input.txt rsubs/b.txt expected-b.report
check "--recheck: the verdict judged again is kept" cmp -s expected-b.report rechecked/b.txt.report
check "--recheck: only that one differed" test "$(grep -c 'stored verdict' err.txt)" -eq 1
judge input.txt rsubs -d rewritten.db --recheck
check "--recheck again: nothing differs" test $status -eq 0 -a ! -s err.txt

# 2. A read error while judging: named with its error, exit 1, no
#    contestant's failure counted, judged by the next run.
cp b-original.txt subs/b.txt
SECOND_OPEN_FILE=subs/b.txt SECOND_OPEN_FAIL_READ=1 LD_PRELOAD=$second_open_shim \
  "$contest" judge input.txt subs -d failing.db -j 1 >out.txt 2>err.txt
status=$?
check "read error while judging: exit 1" test $status -eq 1
check "read error while judging: names the file and the error" test "$(cat err.txt)" = \
  "barvotok-contest judge: cannot read 'subs/b.txt': Input/output error; it is left for the next run"
check "read error while judging: no failure counted" grep -q ' judged now (1 OK, 0 failed) .*; 1 not judged yet' out.txt
judge input.txt subs -d failing.db
check "read error while judging: the re-run judges it" grep -q '1 judged now (0 OK, 1 failed)' out.txt

# 3. A database that cannot be read is said to be so, not "not ours".
judge input.txt subs -d read.db
for command in judge standings; do
  FAIL_READ_FILE=read.db FAIL_READ_AT=0 LD_PRELOAD=$read_shim \
    "$contest" $command input.txt subs -d read.db >out.txt 2>err.txt
  [ $command = standings ] && FAIL_READ_FILE=read.db FAIL_READ_AT=0 LD_PRELOAD=$read_shim \
    "$contest" standings read.db -o read.csv >out.txt 2>err.txt
  check "$command on an unreadable database: says what failed" \
    grep -q "^barvotok-contest $command: cannot read 'read.db': Input/output error$" err.txt
done

# 4. Files that are not ours, in WAL mode with a log not yet folded: left byte
#    for byte as they were, with nothing created beside them.
mkdir foreign
printf '%s\n' "PRAGMA journal_mode = WAL; CREATE TABLE t (x); INSERT INTO t VALUES (1);" \
  ".shell cp made.db foreign/f.db; cp made.db-wal foreign/f.db-wal" | sqlite3 made.db >/dev/null
cp -R foreign foreign.orig
judge input.txt subs -d foreign/f.db
check "a foreign WAL database: the judge exits 1" test $status -eq 1
"$contest" standings foreign/f.db -o foreign.csv >out.txt 2>err.txt
check "a foreign WAL database: the standings exit 1" test $? -eq 1
check "a foreign WAL database: untouched, nothing beside it" diff -r foreign foreign.orig

# 5. Standings only read: nothing is made beside a database, one in a folder
#    the reader cannot write reads, and so does one with an unfolded log on
#    read-only storage.
mkdir shelf
judge input.txt subs -d shelf/r.db
"$contest" standings shelf/r.db -o expected.csv 2>/dev/null
check "standings: nothing made beside the database" test "$(ls shelf)" = r.db
if [ "$(id -u)" = 0 ]; then
  # The output's own folder is writable: it is written whole, through a file beside it.
  chmod 755 "$scratch" && chmod 555 shelf && mkdir -m 777 open-shelf
  setpriv --reuid=nobody --regid=nogroup --clear-groups "$contest" standings shelf/r.db -o open-shelf/out.csv 2>err.txt
  check "standings: a folder it cannot write (as nobody)" cmp -s expected.csv open-shelf/out.csv
  chmod 755 shelf
else
  chmod 555 shelf
  "$contest" standings shelf/r.db -o shelf-out.csv 2>err.txt
  check "standings: a folder it cannot write" cmp -s expected.csv shelf-out.csv
  chmod 755 shelf
fi
if [ $mounts = yes ]; then
  mkdir ro
  # A judge killed at work leaves its log and the log's index beside the file.
  printf '%s\n' "INSERT INTO submissions SELECT 'subs/late.txt', 'f', 1, test_set FROM submissions LIMIT 1;" \
    ".shell cp shelf/r.db shelf/r.db-wal shelf/r.db-shm ro/" | sqlite3 shelf/r.db >/dev/null
  mkdir ro-mount
  private_mount bash -c "mount -t tmpfs -o size=1m none ro-mount && cp ro/* ro-mount/ && mount -o remount,ro ro-mount &&
    '$contest' standings ro-mount/r.db -o ro.csv 2>err.txt" 2>/dev/null
  check "standings: an unfolded log on read-only storage is read" \
    grep -q '^barvotok-contest standings: 1 submission has no verdict yet' err.txt
fi

# 6. Two judges creating one new database at the same moment both succeed.
for attempt in 1 2 3 4 5; do
  "$contest" judge input.txt subs -d twice-$attempt.db -j 1 >first.txt 2>&1 &
  first=$!
  "$contest" judge input.txt subs -d twice-$attempt.db -j 1 >second.txt 2>&1
  second_status=$?
  wait $first
  first_status=$?
  [ $first_status -eq 0 ] && [ $second_status -eq 0 ] || break
done
check "two judges creating one database: both exit 0 ($attempt tries)" test $first_status -eq 0 -a $second_status -eq 0
check "two judges creating one database: whole" test "$(query twice-$attempt.db 'PRAGMA integrity_check')" = ok

# 7. The disk fills as the log is folded back: exit 1, said so, and the file
#    and its log together still hold the verdict.
if [ $mounts = yes ]; then
  judge input.txt subs -d fold.db
  # Its report quotes the long line, so that its verdict fills the log.
  { head -n 1 subs/a.txt; printf 'Barvotok%0600000d\n' 1; tail -n +3 subs/a.txt; } >subs/long.txt
  mkdir fold
  private_mount bash -c "mount -t tmpfs -o size=900k none fold && cp fold.db fold/ &&
    '$contest' judge input.txt subs -d fold/fold.db >fold-out.txt 2>fold-err.txt; echo \$? >fold-status.txt;
    cp fold/fold.db fold/fold.db-wal . 2>/dev/null"
  check "full disk at the fold: exit 1" test "$(cat fold-status.txt)" = 1
  check "full disk at the fold: said so" grep -q "^barvotok-contest judge: cannot fold the log 'fold/fold.db-wal' back into 'fold/fold.db': database or disk is full" fold-err.txt
  judge input.txt subs -d fold.db
  check "full disk at the fold: the log kept the verdict" grep -q ' 3 judged before, 0 judged now' out.txt
  check "full disk at the fold: then one file again" test ! -e fold.db-wal
fi

# 8. SIGINT and SIGTERM: the submission in hand is finished, the log folded,
#    what was judged is told, and the exit status is the signal's.
"$gen" -n 4 --width 300 --height 300 --seed 3 -o big.txt
"$solve" -q --pad 40000 big.txt -o padded-big.txt
mkdir many
for i in $(seq 1 60); do { printf '%06d\n' "$i"; tail -n +2 padded-big.txt; } >"many/$i.txt"; done
set -m  # so that a background judge takes SIGINT as a terminal's Ctrl-C would give it
for signal in INT TERM; do
  rm -f stopped.db
  "$contest" judge big.txt many -d stopped.db -j 2 >out.txt 2>err.txt &
  pid=$!
  for _ in $(seq 1 600); do
    [ "$(query stopped.db 'SELECT count(*) FROM verdicts' 2>/dev/null || echo 0)" -ge 3 ] && break
    sleep 0.02
  done
  kill -$signal $pid
  wait $pid
  status=$?
  expected=$((128 + $(kill -l $signal)))
  judged=$(query stopped.db 'SELECT count(*) FROM verdicts')
  check "SIG$signal: exit $expected" test $status -eq $expected
  check "SIG$signal: says so" test "$(cat err.txt)" = "barvotok-contest judge: stopped by SIG$signal"
  check "SIG$signal: tells what was judged ($judged) and what is left" \
    grep -q "^60 submissions, 60 contents: 0 judged before, $judged judged now .*; $((60 - judged)) not judged yet: run the judge again to finish$" out.txt
  check "SIG$signal: the log folded" test ! -e stopped.db-wal
done
set +m
judge big.txt many -d stopped.db
check "after a signal: the re-run finishes the job" grep -q "$judged judged before, $((60 - judged)) judged now" out.txt

finish
