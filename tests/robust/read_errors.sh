#!/usr/bin/env bash
# A read error is no end of file: with read() failing at several points of
# either file (read_failure_shim loaded with LD_PRELOAD), the evaluator writes
# the unexpected-error form, exits 0 and names the file on standard error.
# The visualiser, given, says which file it could not read and exits 1.
# Usage: read_errors.sh EVALUATOR SHIM [BARVOTOK_VISUALISE]
set -u
exe=$1
shim=$2
visualise=${3:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1

# Test case 1: 3 x 2 in 2 colours, solved by "2 1"; test case 2: one cell.
printf 'Barvotok\n2\n\n1\n3 2 2\n1 2 1\n2 2 1\n\n2\n1 1 1\n1\n' > input.txt
printf '123456\nBarvotok\n1\n2\n2 1\n\n2\n0\n\n' > submission.txt
unexpected='Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.\n-1\n'

failed=0
# check FILE BYTE EXPECTED_REPORT_FORMAT EXPECTED_STDERR
check() {
  rm -f report.txt
  LD_PRELOAD=$shim FAIL_READ_FILE=$1 FAIL_READ_AT=$2 "$exe" eval input.txt submission.txt report.txt \
    > stdout.txt 2> stderr.txt
  local status=$?
  printf "$3" > expected
  if [ "$status" != 0 ] || [ -s stdout.txt ] || [ "$(cat stderr.txt)" != "$4" ] || ! cmp -s expected report.txt; then
    echo "FAIL $1 at byte $2: status $status, stderr '$(cat stderr.txt)', report '$(cat report.txt 2>&1)'"
    failed=1
  else
    echo "ok $1 at byte $2"
  fi
}

# The shim itself: a failure past the end is no failure.
check input.txt 43 'OK\n2\n1 2\n2 0\n' ''
check submission.txt 30 'OK\n2\n1 2\n2 0\n' ''
# Without the error each would read as a verdict: a missing first line, a
# missing block, OK for a whole last row, OK for fewer sections, a missing
# moves line.
for byte in 0 4 32 42; do
  check input.txt $byte "$unexpected" 'Zvn22Barvotok: napaka pri branju datoteke "input.txt": Input/output error'
done
for byte in 0 16 25 28; do
  check submission.txt $byte "$unexpected" \
    'Zvn22Barvotok: napaka pri branju datoteke "submission.txt": Input/output error'
done

if [ -n "$visualise" ]; then
  for file in input.txt submission.txt; do
    LD_PRELOAD=$shim FAIL_READ_FILE=$file FAIL_READ_AT=16 "$visualise" input.txt submission.txt page.html \
      > stdout.txt 2> stderr.txt
    status=$?
    if [ "$status" != 1 ] || [ -e page.html ] ||
       [ "$(cat stderr.txt)" != "barvotok-visualise: cannot read '$file': Input/output error" ]; then
      echo "FAIL visualiser, $file at byte 16: status $status, stderr '$(cat stderr.txt)'"
      failed=1
    else
      echo "ok visualiser, $file at byte 16"
    fi
  done
fi
exit "$failed"
