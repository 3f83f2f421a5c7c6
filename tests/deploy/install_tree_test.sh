#!/usr/bin/env bash
# `cmake --install` gives a working tree: the five programs, a man page for
# each that man reads without a warning, the README; every tool answers
# --version with the project's version, and the installed programs judge an
# example end to end.
# Usage: install_tree_test.sh BUILD_DIR SOURCE_DIR
set -u
here=$(dirname "$(realpath "$0")")
# shellcheck source=/dev/null
source "$here/deploy_support.sh"
take_paths build source_dir -- "$@"

need_commands cmake man
install_tree "$build"
version=$(sed -n 's/^project(.* VERSION \([0-9.]*\) .*/\1/p' "$source_dir/CMakeLists.txt")
programs="Zvn22Barvotok barvotok-contest barvotok-gen barvotok-solve barvotok-visualise"
check "the project names its version" test -n "$version"
check "bin holds the five programs" test "$(ls "$scratch/prefix/bin" | tr '\n' ' ')" = "$programs "
check "the README is in the doc folder" cmp -s "$scratch/prefix/share/doc/barvotok/README.md" "$source_dir/README.md"
check "the README's pages are in the doc folder's docs, as its links expect" \
  test "$(cd "$scratch/prefix/share/doc/barvotok" && ls docs/*.md | tr '\n' ' ')" = "$(cd "$source_dir" && ls docs/*.md | tr '\n' ' ')"
check "the bash completion is installed under each program's name" \
  test "$(ls "$scratch/prefix/share/bash-completion/completions" | tr '\n' ' ')" = "$programs "
# The contestant's page, where the web build made it (scripts/test.sh does).
web_page=$source_dir/build/web/barvotok.html
if [ -f "$web_page" ]; then
  check "the contestant's page is in share/barvotok" cmp -s "$scratch/prefix/share/barvotok/barvotok.html" "$web_page"
fi

for program in $programs; do
  page=$scratch/prefix/share/man/man1/$program.1.gz
  check "$program: its man page is installed" test -s "$page"
  MANWIDTH=80 man --warnings -l "$page" >page.txt 2>warnings.txt
  check "$program: man reads its page without a warning" test $? -eq 0 -a ! -s warnings.txt
  check "$program: the page is named after it" test "$(sed -n '/^NAME/{n;p}' page.txt | awk '{ print $1 }')" = "$program"
  check "$program: the page has the sections of a man page, in their order" test "$(grep -E '^[A-Z][A-Z ]+$' page.txt |
    grep -vx REPORT | tr '\n' ,)" = "NAME,SYNOPSIS,DESCRIPTION,OPTIONS,EXIT STATUS,EXAMPLES,SEE ALSO,"
  check "$program: its footer has the version and a date" grep -Eq "^barvotok $version +[A-Z][a-z]+ [0-9]{4} " page.txt
  check "$program: SEE ALSO names the others, not itself" test "$(sed -n '/^SEE ALSO/,$p' page.txt | grep -c "$program(1)")" -eq 0
done
MANWIDTH=80 man -l "$scratch/prefix/share/man/man1/barvotok-contest.1.gz" >page.txt 2>/dev/null
check "barvotok-contest's page tells the judge's options" grep -q '^ *--shard K/N$' page.txt
check "barvotok-contest's page tells the standings' options" grep -q '^ *--scoring NAME$' page.txt

# --version: the program's name and the project's version, exit status 0,
# wherever it stands before "--"; every help text lists it.
while IFS='|' read -r program arguments; do
  # shellcheck disable=SC2086
  "$program" $arguments >out.txt 2>err.txt
  status=$?
  check "$program $arguments: prints its version" \
    test $status -eq 0 -a "$(cat out.txt)" = "${program%% *} (barvotok) $version" -a ! -s err.txt
done <<'ROWS'
barvotok-gen|--version
barvotok-gen|-n 3 --version
barvotok-solve|--version
barvotok-solve|missing.txt --version
barvotok-visualise|--version
barvotok-contest|--version
barvotok-contest|judge --version
barvotok-contest|standings --version
ROWS
barvotok-gen -- --version >out.txt 2>err.txt
check "after --, --version is an operand" test $? -eq 2 -a ! -s out.txt
for help in "barvotok-gen --help" "barvotok-solve --help" "barvotok-visualise --help" "barvotok-contest --help" \
  "barvotok-contest judge --help" "barvotok-contest standings --help"; do
  check "$help lists --version" grep -q -e '--version' <($help)
done

# The installed programs at work.
barvotok-gen -n 3 -p mixed --width 5..30 --height 5..30 -s 3 -o input.txt &&
  barvotok-solve -q input.txt -o submission.txt &&
  Zvn22Barvotok eval input.txt submission.txt report.txt
check "the installed programs generate, solve and judge" test "$(head -n 1 report.txt)" = OK
finish
