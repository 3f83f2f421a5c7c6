#!/usr/bin/env bash
# Runs the tools as a user would: help, bad command lines, a bad test set,
# generate -> solve -> evaluate through the real evaluator, and the one file
# layer of every tool: outputs that name inputs, and writes that fail.
# Usage: cli_test.sh barvotok-gen barvotok-solve Zvn22Barvotok barvotok-visualise barvotok-contest SWAP_SHIM|none
set -u
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../support/shell_checks.sh"
swap_shim=$6
take_paths gen solve evaluator visualise contest -- "$1" "$2" "$3" "$4" "$5"
[ "$swap_shim" = none ] || take_paths swap_shim -- "$swap_shim"

"$gen" --help >help.txt 2>err.txt; status=$?
check "gen --help exits 0" test $status -eq 0
check "gen --help prints usage" grep -q '^Usage: barvotok-gen' help.txt
"$solve" -h >help.txt 2>err.txt; status=$?
check "solve -h exits 0 and prints usage" test $status -eq 0 -a "$(head -c 22 help.txt)" = "Usage: barvotok-solve "

# Help and version that cannot be written fail, as the GNU tools' do.
for tool in "$gen" "$solve" "$visualise" "$contest" "$contest judge" "$contest standings"; do
  for option in --help --version; do
    $tool $option >/dev/full 2>err.txt
    check "${tool##*/} $option onto a full device fails" test $? -eq 1 -a \
      "$(cat err.txt)" = "$(basename "${tool%% *}")${tool#"${tool%% *}"}: write error: No space left on device"
  done
done

# Every tool lists its exit statuses one way, 1 for a file, 2 for the command line.
for tool in "$gen" "$solve" "$visualise" "$contest judge" "$contest standings"; do
  $tool --help >help.txt
  check "${tool##*/} --help lists the exit statuses" test "$(sed -n '/^Exit status:$/,$p' help.txt | grep -c '^  [012]  ')" \
    -eq 3 -a "$(grep -c '^  1  a file cannot be' help.txt)" -eq 1 -a "$(grep -cx '  2  a bad command line' help.txt)" -eq 1
done

# One command-line convention in every tool, GNU's: a bad command line is its
# message and one line that points to --help, exit 2; long options by any
# unambiguous prefix, short ones bundled or with their values joined.
for tool in "$gen" "$solve" "$visualise" "$contest" "$contest judge" "$contest standings"; do
  name="$(basename "${tool%% *}")${tool#"${tool%% *}"}"
  $tool --bogus >out.txt 2>err.txt
  check "$name --bogus: two lines, exit 2" test $? -eq 2 -a "$(cat err.txt)" = "$name: unknown option '--bogus'
Try '$name --help' for more information." -a ! -s out.txt
  $tool --vers >out.txt 2>err.txt
  check "$name --vers is --version" test $? -eq 0 -a "$(cat out.txt)" = "$("$gen" --version | sed "s/^barvotok-gen/${name%% *}/")"
done
"$gen" --cases 2 --seed 5 --width 3..9 >long.txt
while IFS='|' read -r what command; do
  eval "$command" >short.txt 2>err.txt
  check "$what" test $? -eq 0 -a ! -s err.txt -a "$(cmp long.txt short.txt && echo same)" = same
done <<'ROWS'
gen: a joined value (-n2), a prefix (--se=5, --wid)|"$gen" -n2 --se=5 --wid 3..9
gen: options after -o - and a bundle that ends in a value (-n2 -s5)|"$gen" --width=3..9 -o - -n2 -s5
ROWS
"$solve" --quiet --strategy greedy long.txt --output long-sub.txt
"$solve" -qo short-sub.txt --strat greedy long.txt 2>err.txt
check "solve: a bundle that ends in a value (-qo FILE), a prefix with a space (--strat greedy)" \
  test $? -eq 0 -a ! -s err.txt -a "$(cmp long-sub.txt short-sub.txt && echo same)" = same
"$gen" --c 2 >out.txt 2>err.txt
check "gen --c: ambiguous, both named" test $? -eq 2 -a "$(head -n 1 err.txt)" = \
  "barvotok-gen: ambiguous option '--c' (--cases, --colours, --cluster)"
"$contest" >out.txt 2>err.txt
check "contest without a command: two lines, exit 2" test $? -eq 2 -a "$(cat err.txt)" = "barvotok-contest: a command is needed
Try 'barvotok-contest --help' for more information."

# Progress: a bar on a terminal that takes control codes (after half a
# second: this run takes about one), no control code on a dumb one, nothing
# into a pipe unless asked for with --progress.
big_run=("$gen" -n 25 --width 1000 --height 1000 -o /dev/null)
if command -v script >/dev/null; then
  TERM=xterm script -qec "${big_run[*]}" /dev/null >tty.txt
  check "progress on a terminal: a bar, redrawn in place" grep -q $'\r\033\\[K\\[#*\\.*\\] test cases written' tty.txt
  TERM=dumb script -qec "${big_run[*]}" /dev/null >tty.txt
  check "progress on a dumb terminal: no control code" test "$(grep -c $'\033' tty.txt)" -eq 0
fi
"${big_run[@]}" 2>err.txt
check "progress into a pipe: nothing" test ! -s err.txt

"$gen" --cases 0 >out.txt 2>err.txt; status=$?
check "gen bad value exits 2" test $status -eq 2
check "gen bad value says why" test "$(cat err.txt)" = "barvotok-gen: invalid value '0' for --cases: a whole number from 1 to 2147483647
Try 'barvotok-gen --help' for more information."
check "gen bad value writes nothing" test ! -s out.txt
"$solve" >out.txt 2>err.txt; status=$?
check "solve without input exits 2" test $status -eq 2 -a "$(head -n 1 err.txt)" = "barvotok-solve: missing INPUT"

# A bad test set: the solver's standard error is the evaluator's report.
printf 'Barvotok\n1\n\n1\n2 1 3\n1 4\n' >bad.txt
printf '000000\nBarvotok\n' >empty-submission.txt
"$evaluator" eval bad.txt empty-submission.txt report.txt
"$solve" bad.txt >out.txt 2>err.txt; status=$?
check "solve on a bad test set exits 1" test $status -eq 1
check "solve on a bad test set repeats the evaluator's report" cmp -s err.txt report.txt
"$solve" bad.txt --report kept.txt >out.txt 2>err.txt; status=$?
check "solve --report keeps the evaluator's report on a bad test set" test $status -eq 1 -a "$(cmp kept.txt report.txt && echo same)" = same
"$solve" missing.txt >out.txt 2>err.txt; status=$?
check "solve on a missing file names it and exits 1" test $status -eq 1 -a "$(cat err.txt)" = \
  "barvotok-solve: cannot open 'missing.txt': No such file or directory"

# Contestant bytes reach the terminal escaped; --report keeps them exact.
printf 'Bar\033]0;x\007\033[2J\r\n1\n' >hostile.txt
"$evaluator" eval hostile.txt empty-submission.txt report.txt
"$solve" hostile.txt --report kept.txt >out.txt 2>err.txt; status=$?
check "solve escapes a quoted line on standard error" test $status -eq 1 -a "$(head -n 1 err.txt)" = \
  'Napaka [Zvn22Barvotok:112]: v prvi vrstici bi moral biti niz "Barvotok", ne pa "Bar\x1b]0;x\x07\x1b[2J"'
check "solve --report keeps the exact bytes" cmp -s kept.txt report.txt

# Option values and command names reach the terminal escaped and cut short.
long_value=$(head -c 120000 /dev/zero | tr '\0' 7)
while IFS='|' read -r what expected command; do
  eval "$command" >out.txt 2>err.txt
  status=$?
  check "$what: exit 2, no control byte, at most one short line of it" test $status -eq 2 \
    -a "$(head -n 1 err.txt)" = "$expected" -a "$(LC_ALL=C tr -d '\n' <err.txt | LC_ALL=C tr -d '[:print:]' | wc -c)" -eq 0
done <<'ROWS'
a terminal's control sequence|barvotok-gen: invalid value '1\x1b[2J\x1b]0;x\x07' for --seed: a whole number from 0 to 18446744073709551615|"$gen" --seed $'1\e[2J\e]0;x\a'
a 120 kB value|barvotok-solve: invalid value '77777777777777777777777777777777777777777777777777777777777777777777777777777777... (120000 bytes in all)' for --contestant: 6 characters starting with a number|"$solve" --contestant "$long_value" x
a command name|barvotok-contest: unknown command 'j\x1b[2Judge'|"$contest" $'j\e[2Judge'
ROWS

# Memory that runs out is a message and exit status 1, never an abort. Only in
# the ordinary build (the one with the shim): the sanitizers reserve more
# address space than any such limit allows.
if [ "$swap_shim" != none ]; then
  printf 'Barvotok\n1\n\n1\n1000 1000 100\n' >big.txt
  awk 'BEGIN { for (y = 0; y < 1000; y++) { line = ""; for (x = 0; x < 1000; x++) line = line " " (x * 7 + y * 13) % 100 + 1; print substr(line, 2) } }' >>big.txt
  (ulimit -v 60000; exec "$solve" -q big.txt -o big-sub.txt) >out.txt 2>err.txt
  status=$?
  check "solve under a memory limit: 'out of memory', exit 1" test $status -eq 1 -a "$(cat err.txt)" = "barvotok-solve: out of memory"
fi

# Outputs are the files the kernel names, checked again when written.
printf 'earlier\n' >log.txt
{ "$gen" -n 1 --width 3 --height 2 -s 1 -o /dev/stdout; echo later; } >>log.txt 2>/dev/null
check "-o /dev/stdout appends where the caller appends" \
  test "$(head -n 1 log.txt)" = earlier -a "$(tail -n 1 log.txt)" = later -a "$(sed -n 2p log.txt)" = Barvotok
mkdir -p far/away
ln -s far/away hop
"$gen" -n 1 --width 3 --height 2 -s 1 -o hop/../t.txt 2>err.txt
check "-o LINK/../NAME writes where the kernel resolves it" test $? -eq 0 -a -s far/t.txt -a ! -e t.txt
"$gen" -n 2 --width 40 --height 30 -s 2 -o linked.txt
ln linked.txt linked-too.txt
(ulimit -f 1; exec "$gen" -n 2 --width 40 --height 30 -s 3 -o linked.txt) 2>err.txt
check "a file with another hard link, cut by a write that fails: left empty under both names" \
  test $? -eq 1 -a ! -s linked.txt -a ! -s linked-too.txt -a "$(grep -c 'it is left empty$' err.txt)" -eq 1
if [ "$(id -u)" = 0 ] && id nobody >/dev/null 2>&1; then
  "$gen" -n 1 -s 4 -o owned.txt && chown nobody owned.txt && chmod 600 owned.txt
  "$gen" -n 1 -s 5 -o owned.txt
  check "root rewriting another user's file keeps its owner and mode" test "$(stat -c '%U %a' owned.txt)" = "nobody 600"
fi
if [ "$swap_shim" != none ]; then
  "$gen" -n 2 --width 30 --height 20 -s 6 -o swap-input.txt
  cp swap-input.txt swap-input.orig
  SWAP_ON_OPEN=swap-input.txt SWAP_LINK=swap-out.txt SWAP_TARGET=swap-input.txt LD_PRELOAD=$swap_shim \
    "$solve" -q swap-input.txt -o swap-out.txt 2>err.txt
  check "an output swapped for a link to the input while the solver works: refused" test $? -eq 1 \
    -a "$(grep -c "^barvotok-solve: will not write 'swap-out.txt': it is" err.txt)" -eq 1
  check "and the input is untouched" cmp -s swap-input.txt swap-input.orig
  mkdir swap-subs
  "$solve" -q swap-input.orig -o swap-subs/a.txt
  "$contest" judge swap-input.orig swap-subs -d swap.db --reports swap-reports >/dev/null 2>&1
  cp swap-subs/a.txt swap-subs/b.txt
  SWAP_ON_OPEN=swap-subs/b.txt SWAP_LINK=swap-reports/b.txt.report SWAP_TARGET=../swap.db LD_PRELOAD=$swap_shim \
    "$contest" judge swap-input.orig swap-subs -d swap.db --reports swap-reports >/dev/null 2>err.txt
  check "a report swapped for a link to the database while the judge works: refused" test $? -eq 1 \
    -a "$(grep -c "will not write 'swap-reports/b.txt.report': it is" err.txt)" -eq 1
  check "and the database is whole" test "$(sqlite3 swap.db 'PRAGMA quick_check')" = ok
fi

# A tool never replaces a path it did not create.
ln -s /dev/full full-link
"$gen" -n 2 -o full-link 2>err.txt; status=$?
check "gen to a full device exits 1 and keeps the link" test $status -eq 1 -a -L full-link

"$gen" -n 2 -o no-such-folder/set.txt 2>err.txt; status=$?
check "gen to an unwritable path exits 1" test $status -eq 1 -a -s err.txt

# Generate, solve (through standard input), evaluate.
"$gen" -n 7 -p mixed --width 5..60 --height 5..60 --colours 2..20 -s 11 -o set.txt; status=$?
check "gen writes a set" test $status -eq 0
"$gen" -n 7 -p mixed --width 5..60 --height 5..60 --colours 2..20 -s 11 >again.txt
check "the same seed gives the same bytes" cmp -s set.txt again.txt
"$solve" - <set.txt >submission.txt 2>table.txt; status=$?
check "solve exits 0" test $status -eq 0
"$evaluator" eval set.txt submission.txt report.txt
expected=$(printf 'OK\n7\n'; awk 'NR > 1 && $1 != "total" {print $1, $5}' table.txt)
check "the evaluator says OK with the table's move counts" test "$(cat report.txt)" = "$expected"
ln -s submission.txt submission-link.txt
cp set.txt own.txt
ln own.txt own-hard-link.txt
for output in own.txt ./own.txt own-hard-link.txt; do
  "$solve" own.txt -q -o "$output" >out.txt 2>err.txt; status=$?
  check "solve -o $output (its own input) exits 1 and leaves it" test $status -eq 1 -a "$(cmp own.txt set.txt && echo same)" = same
done
"$solve" set.txt -q -o submission-link.txt --report kept.txt; status=$?
check "solve writes through a link without replacing it" test $status -eq 0 -a -L submission-link.txt
check "solve --report keeps the evaluator's report on the submission written" cmp -s kept.txt report.txt

"$solve" --pad max --drop-last 1 -q set.txt -o unfinished.txt 2>err.txt; status=$?
check "solve --quiet prints no table" test $status -eq 0 -a ! -s err.txt
"$evaluator" eval set.txt unfinished.txt report.txt
check "a section cut short is rejected" grep -q '^Napaka \[Zvn22Barvotok:190\]' report.txt

# Every tool, every output naming an input: directly (the input is read from
# the output's path), by a symbolic link and by a hard link at that path. One
# exit status (1), one message, and no file touched. A row: the output's path,
# the input's file, then the command with IN for the input and OUT for the output.
mkdir layer && cd layer || exit 1
"$gen" -n 2 --width 8 --height 6 -s 5 -o in.txt
"$solve" -q in.txt -o sub.txt
"$contest" judge in.txt sub.txt -d results.db >/dev/null
while IFS='|' read -r expected command; do
  eval "$command" <in.txt >out.txt 2>err.txt
  check "$command: refused, exit 2" test $? -eq 2 -a "$(head -n 1 err.txt)" = "barvotok-contest judge: $expected"
done <<'ROWS'
INPUT cannot be standard input: the judge reads it twice|"$contest" judge - sub.txt -d results.db
a SUBMISSION cannot be standard input: the results name each by its path|"$contest" judge in.txt sub.txt - -d results.db
ROWS
mkdir rep
rows=(
  "out.txt|in.txt|$solve -q IN -o OUT"
  "report.txt|in.txt|$solve -q IN -o - --report OUT"
  "page.html|in.txt|$visualise IN sub.txt OUT"
  "page.html|sub.txt|$visualise in.txt IN -o OUT"
  "pic.png|sub.txt|$visualise in.txt IN --png OUT"
  "out.csv|results.db|$contest standings IN -o OUT"
  "out.db|in.txt|$contest judge IN sub.txt -d OUT"
  "out.db|sub.txt|$contest judge in.txt IN -d OUT"
  "rep/sub.txt.report|in.txt|$contest judge IN sub.txt -d new.db --reports rep"
)
snapshot() { find . -printf '%p %y %s %n %l %T@\n' | sort; }
for row in "${rows[@]}"; do
  IFS='|' read -r out in command <<<"$row"
  for way in direct symlink hardlink; do
    rm -f "$out" new.db
    case $way in
      direct) cp "$in" "$out"; input=$out ;;
      symlink) ln -s "$(realpath "$in")" "$out"; input=$in ;;
      hardlink) ln "$in" "$out"; input=$in ;;
    esac
    before=$(snapshot)
    words=${command//IN/$input}
    # shellcheck disable=SC2086
    ${words//OUT/$out} >../out.txt 2>../err.txt; status=$?
    what="${command##*/} ($way)"
    check "$what: exit 1" test $status -eq 1
    check "$what: says why" grep -q "^barvotok-[a-z ]*: will not write '.*': it is the input '.*'; nothing written$" ../err.txt
    check "$what: no file touched" test "$(snapshot)" = "$before"
  done
  rm -f "$out"
done

# A file-size limit (SIGXFSZ at its default, as a plain `ulimit -f` leaves
# it) makes the write fail: exit 1, the file that was there stays whole, and
# nothing is left beside it.
"$gen" -n 1 --width 200 --height 200 --colours 4 -s 5 -o big-in.txt
"$solve" -q --strategy greedy --pad max big-in.txt -o big-sub.txt
mkdir many
for i in $(seq 300); do { printf '%06d\n' "$i"; tail -n +2 sub.txt; } >"many/$i.txt"; done
"$contest" judge in.txt many -d many.db >/dev/null
limited=(  # each output is well over 64 KiB
  "set.txt|$gen -n 1 --width 200 --height 200 -o set.txt"
  "big.txt|$solve -q --strategy greedy --pad max big-in.txt -o big.txt"
  "page.html|$visualise big-in.txt big-sub.txt -o page.html"
  "out.html|$contest standings many.db -o out.html"
)
for row in "${limited[@]}"; do
  IFS='|' read -r out command <<<"$row"
  printf 'the old file\n' >"$out"
  # shellcheck disable=SC2086
  (ulimit -f 64; exec $command) >../out.txt 2>../err.txt; status=$?
  check "${command##*/} over ulimit -f: exit 1" test $status -eq 1
  check "${command##*/} over ulimit -f: says so" grep -q "cannot write '$out': File too large" ../err.txt
  check "${command##*/} over ulimit -f: the old file stays whole" test "$(cat "$out")" = "the old file"
  check "${command##*/} over ulimit -f: nothing left beside" test -z "$(find . -name '.barvotok-*')"
done
cd .. || exit 1

finish
