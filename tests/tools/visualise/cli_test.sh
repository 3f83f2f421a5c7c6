#!/usr/bin/env bash
# Runs barvotok-visualise as a user would: help, bad command lines, files
# that cannot be read or written, outputs that name an input, and
# contestant bytes on standard error. Everything happens in a fresh folder.
# Usage: cli_test.sh BARVOTOK_VISUALISE
set -u
# run ARGUMENTS...: the exit status in $status, the outputs in out.txt and err.txt.
run() {
  "$visualise" "$@" >out.txt 2>err.txt
  status=$?
}
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../../support/shell_checks.sh"
take_paths visualise -- "$@"

printf 'Barvotok\n1\n\n1\n3 2 2\n1 2 1\n2 2 1\n' >in.txt
printf '123456\nBarvotok\n1\n2\n2 1\n' >sub.txt
cp sub.txt sub.kept
cp in.txt in.kept

for help in -h --help; do
  run $help
  check "$help exits 0 with the usage" test $status -eq 0 -a "$(head -c 26 out.txt)" = "Usage: barvotok-visualise "
done
run in.txt sub.txt page.html --colour 3
check "an unknown option exits 2" test $status -eq 2
check "an unknown option says why" test "$(head -n 1 err.txt)" = "barvotok-visualise: unknown option '--colour'"
run in.txt sub.txt page.html --section 0
check "a bad value exits 2" test $status -eq 2 -a ! -e page.html

run in.txt sub.txt page.html --png pic.png
check "a page and a picture" test $status -eq 0 -a -s page.html -a -s pic.png
check "the summary names the section" test "$(cat out.txt)" = "section 1 (test case 1): OK, 2 moves"

run missing.txt sub.txt page2.html
check "a missing input exits 1" test $status -eq 1 -a ! -e page2.html
check "a missing input is named" test "$(cat err.txt)" = \
  "barvotok-visualise: cannot open 'missing.txt': No such file or directory"
run in.txt missing.txt page2.html
check "a missing submission is named" test $status -eq 1 -a "$(cat err.txt)" = \
  "barvotok-visualise: cannot open 'missing.txt': No such file or directory"

# An output that is an input, by name, through ./, a symbolic or a hard link.
ln -s sub.txt sub-symlink
ln sub.txt sub-hardlink
for page in sub.txt ./sub.txt sub-symlink sub-hardlink; do
  run in.txt sub.txt "$page"
  check "page $page refused" test $status -eq 1 -a -s err.txt
  check "page $page leaves the submission whole" cmp -s sub.txt sub.kept
done
run in.txt sub.txt --png in.txt
check "--png naming the input refused" test $status -eq 1
check "--png naming the input leaves it whole" cmp -s in.txt in.kept
run in.txt sub.txt same.out --png same.out
check "page and picture in one file refused" test $status -eq 1 -a ! -e same.out

# Writing fails on a full device: the error is reported and nothing is removed.
if [ -c /dev/full ]; then
  ln -s /dev/full full-link
  for option in "--png full-link" "full-link"; do
    # shellcheck disable=SC2086
    run in.txt sub.txt $option
    check "writing to a full device ($option) exits 1" test $status -eq 1 -a -s err.txt
    check "the link to the full device stays ($option)" test -L full-link -a -c /dev/full
  done
fi
run in.txt sub.txt no-such-folder/page.html
check "an unwritable page exits 1" test $status -eq 1 -a -s err.txt

# Contestant bytes reach standard error escaped, whole past a NUL byte.
printf '123456\n\033]0;owned\007\000after\n' >hostile.txt
run in.txt hostile.txt page3.html
check "a header that fails exits 1" test $status -eq 1 -a ! -e page3.html
check "control bytes are escaped, nothing cut at NUL" grep -qF '\x1b]0;owned\x07\x00after' err.txt
check "no raw escape reaches standard error" test "$(tr -d '\033\007\000' <err.txt | wc -c)" -eq "$(wc -c <err.txt)"

finish
