#!/usr/bin/env bash
# Hostile file arguments through the real executable: hostile_files.sh EVALUATOR
# A directory or /dev/null as the test set or the submission reads as an
# empty file: the report names the missing first line, nothing goes to
# standard output, standard error says why a directory cannot be read, and
# the exit status is 0.
set -u
exe=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1

printf 'Barvotok\n1\n\n1\n2 2 2\n1 2\n2 1\n' > input.txt
printf '123456\nBarvotok\n1\n2\n2 1\n' > submission.txt
mkdir folder

missing_test_set='Napaka [Zvn22Barvotok:111]: manjka prva vrstica z imenom naloge\n-1\n'
missing_submission='Napaka [Zvn22Barvotok:218]: manjka stevilka tekmovalca\n-1\n'

failed=0
# check NAME EXPECTED_REPORT_FORMAT INPUT SUBMISSION [EXPECTED_STDERR]
check() {
  rm -f report.txt
  "$exe" eval "$3" "$4" report.txt > stdout.txt 2> stderr.txt
  local status=$?
  printf "$2" > expected
  if [ "$status" != 0 ] || [ -s stdout.txt ] || [ "$(cat stderr.txt)" != "${5:-}" ] || ! cmp -s expected report.txt; then
    echo "FAIL $1: status $status, stdout '$(cat stdout.txt)', stderr '$(cat stderr.txt)', report '$(cat report.txt 2>&1)'"
    failed=1
  else
    echo "ok $1"
  fi
}

check "good files" 'OK\n1\n1 2\n' input.txt submission.txt
unreadable='Zvn22Barvotok: datoteke ni mogoce brati "folder": Is a directory'
check "directory as the test set" "$missing_test_set" folder submission.txt "$unreadable"
check "/dev/null as the test set" "$missing_test_set" /dev/null submission.txt
check "directory as the submission" "$missing_submission" input.txt folder "$unreadable"
check "/dev/null as the submission" "$missing_submission" input.txt /dev/null
check "directory as both" "$missing_test_set" folder folder "$unreadable"

"$exe" eval input.txt submission.txt /dev/null > stdout.txt 2> stderr.txt
status=$?
if [ "$status" != 0 ] || [ -s stdout.txt ] || [ -s stderr.txt ]; then
  echo "FAIL /dev/null as the report: status $status, stderr '$(cat stderr.txt)'"
  failed=1
else
  echo "ok /dev/null as the report"
fi
exit "$failed"
