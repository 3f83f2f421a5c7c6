#!/usr/bin/env bash
# The Windows build (cmake --workflow --preset windows) under Wine, against
# the native evaluator: every golden case run by both in scratch copies of its
# folder, then random evaluations (tests/support/differential_test.mjs). Exit
# statuses must agree, and so must the report and standard output once CR LF
# is read as LF; every line the Windows build writes ends in CR LF. Wine's
# prefix lives in the test's scratch folder; its server is stopped at the end.
# Where Wine or MinGW-w64 cannot be had the test exits 77 (skipped); with
# MinGW-w64 at hand, a missing .exe is a failure.
# Usage: wine_test.sh WINDOWS_EXE NATIVE_EVALUATOR GOLDEN_DIR [CASES]
set -u
here=$(dirname "$(realpath "$0")")
# shellcheck source=/dev/null
source "$here/../support/shell_checks.sh"
take_paths exe native golden -- "$1" "$2" "$3"
cases=${4:-300}

missing=()
for tool in wine wineserver node x86_64-w64-mingw32-g++-posix; do
  command -v $tool >/dev/null 2>&1 || missing+=($tool)
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "wine test: skipped, missing ${missing[*]} (bash scripts/install-windows-deps.sh installs them)"
  exit 77
fi
if [ ! -f "$exe" ]; then
  echo "wine test: no $exe; build it with: cmake --workflow --preset windows"
  exit 1
fi

export WINEPREFIX=$scratch/wine WINEDEBUG=-all
wineserver -p >/dev/null 2>&1 </dev/null
trap 'wineserver -k >/dev/null 2>&1; cd /; rm -rf "$scratch"' EXIT

# Runs one build on a copy of a golden case in FOLDER: status, stdout, report.
run_case() {  # run_case CASE_DIR FOLDER COMMAND...
  local case_dir=$1 folder=$2
  shift 2
  cp -R "$case_dir/." "$folder/"
  (
    cd "$folder" || exit 99
    args=(eval input.txt submission.txt report.txt)
    if [ -e args ]; then mapfile -t args < args; fi
    if [ -e setup ]; then source ./setup; fi
    exec "$@" "${args[@]}"
  ) >"$folder/stdout" 2>/dev/null </dev/null
  echo $? >"$folder/status"
}

# A file the Windows build wrote in text mode: no bare LF, and the same bytes
# as the native one's once CR LF is read as LF.
same_text() {  # same_text NATIVE_FILE WINDOWS_FILE
  [ -e "$1" ] || { [ ! -e "$2" ]; return; }
  node -e '
    const fs = require("fs"), native = fs.readFileSync(process.argv[1]);
    const windows = fs.readFileSync(process.argv[2]).toString("latin1");
    const same = !/(^|[^\r])\n/.test(windows) && Buffer.from(windows.replace(/\r\n/g, "\n"), "latin1").equals(native);
    process.exit(same ? 0 : 1);' "$1" "$2"
}

# The cases that set a POSIX file-size limit: Windows has no such limit,
# and Wine's rendering of it under one differs from run to run (the file
# left as the report, in about one fresh-prefix run in three), so they are
# the native build's golden cases alone.
posix_only=(report_hits_file_size_limit report_hits_file_size_limit_at_default_signal)

# What stands as the report where none was written: nothing, or the same bytes.
same_left() {  # same_left NATIVE_FILE WINDOWS_FILE
  if [ -e "$1" ] || [ -e "$2" ]; then cmp -s "$1" "$2"; fi
}

# Whether the Windows run of a case agrees with the native one: the same
# exit status, standard output, and report (or file left as the report).
agrees() {  # agrees NATIVE_FOLDER WINDOWS_FOLDER
  cmp -s "$1/status" "$2/status" && same_text "$1/stdout" "$2/stdout" || return 1
  # Exit status 1: no report was written, so whatever stands there is untouched.
  if [ "$(cat "$1/status")" = 0 ]; then same_text "$1/report.txt" "$2/report.txt"; else same_left "$1/report.txt" "$2/report.txt"; fi
}

for case_dir in "$golden"/*/; do
  name=$(basename "$case_dir")
  [[ " ${posix_only[*]} " == *" $name "* ]] && continue
  mkdir -p "$scratch/$name/native" "$scratch/$name/windows"
  run_case "$case_dir" "$scratch/$name/native" "$native"
  run_case "$case_dir" "$scratch/$name/windows" wine "$exe"
  # Wine now and then fails to run a program at all (a fresh prefix, a
  # loaded machine): a case that disagrees is run once more on Windows, in
  # a fresh folder, and must agree then.
  if ! agrees "$scratch/$name/native" "$scratch/$name/windows"; then
    rm -rf "$scratch/$name/windows" && mkdir -p "$scratch/$name/windows"
    run_case "$case_dir" "$scratch/$name/windows" wine "$exe"
  fi
  check "$name: the same exit status" cmp -s "$scratch/$name/native/status" "$scratch/$name/windows/status"
  check "$name: the same standard output" same_text "$scratch/$name/native/stdout" "$scratch/$name/windows/stdout"
  if [ "$(cat "$scratch/$name/native/status")" = 0 ]; then
    check "$name: the same report" same_text "$scratch/$name/native/report.txt" "$scratch/$name/windows/report.txt"
  else
    check "$name: the same file left as the report" same_left "$scratch/$name/native/report.txt" "$scratch/$name/windows/report.txt"
  fi
done

node "$here/../support/differential_test.mjs" "$native" "$exe" "$cases" >differential.txt 2>&1
agreed=$?
check "$cases random evaluations agree" test $agreed -eq 0
if [ $agreed -eq 0 ]; then tail -n 1 differential.txt; else head -c 3000 differential.txt; fi
finish
