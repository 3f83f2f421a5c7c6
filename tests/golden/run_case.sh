#!/usr/bin/env bash
# Runs one golden case through the real executable and compares every byte.
#
# A case folder holds:
#   input.txt, submission.txt   the files evaluated (either may be absent)
#   args                        optional: the arguments, one per line
#                               (default: eval input.txt submission.txt report.txt)
#   expected_report             the report's exact bytes, or
#   expected_no_report          an empty marker: no report.txt may be created
#   expected_stdout             optional: standard output's exact bytes (default: empty)
#   expected_stderr_lines       optional: how many lines standard error holds (default: 0)
#   expected_stderr             optional: standard error's exact bytes (instead of the count)
#   setup                       optional: bash lines run in the evaluator's own subshell just
#                               before it starts (make files or links, set limits); quiet
#   expected_status             optional: the exit status (default: 0)
#   report.txt                  optional: a report left by an earlier run
# Every run happens in a scratch copy of the folder, so cases stay untouched.
set -u
exe=$1
case_dir=$2

fail() { echo "FAIL ${case_dir##*/}: $*"; exit 1; }

if [ -e "$case_dir/expected_report" ] && [ -e "$case_dir/expected_no_report" ]; then
  fail "both expected_report and expected_no_report"
fi
if [ ! -e "$case_dir/expected_report" ] && [ ! -e "$case_dir/expected_no_report" ]; then
  fail "neither expected_report nor expected_no_report"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R "$case_dir/." "$scratch/"
cd "$scratch" || fail "no scratch folder"

args=(eval input.txt submission.txt report.txt)
if [ -e args ]; then mapfile -t args < args; fi

(
  if [ -e setup ]; then source ./setup; fi
  exec "$exe" "${args[@]}"
) > actual_stdout 2> actual_stderr < /dev/null
status=$?

expected_status=0
[ -e expected_status ] && expected_status=$(cat expected_status)
[ "$status" = "$expected_status" ] || fail "exit status $status, expected $expected_status"

if [ -e expected_stdout ]; then
  cmp -s expected_stdout actual_stdout || fail "standard output differs: $(od -c actual_stdout | head -5)"
else
  [ ! -s actual_stdout ] || fail "unexpected standard output: $(head -c 200 actual_stdout)"
fi

if [ -e expected_stderr ]; then
  cmp -s expected_stderr actual_stderr || fail "standard error differs: $(head -c 300 actual_stderr)"
fi
expected_stderr_lines=0
[ -e expected_stderr ] && expected_stderr_lines=$(wc -l < expected_stderr)
[ -e expected_stderr_lines ] && expected_stderr_lines=$(cat expected_stderr_lines)
stderr_lines=$(wc -l < actual_stderr)
[ "$stderr_lines" = "$expected_stderr_lines" ] || fail "standard error has $stderr_lines lines: $(head -c 300 actual_stderr)"

if [ -e expected_report ]; then
  [ -e report.txt ] || fail "no report.txt written"
  cmp -s expected_report report.txt || fail "report differs:
--- expected
$(od -c expected_report | head -8)
--- actual
$(od -c report.txt | head -8)"
else
  [ ! -e report.txt ] || fail "report.txt was created"
fi
echo "ok ${case_dir##*/}"
