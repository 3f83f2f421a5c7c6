#!/usr/bin/env bash
# The report does not depend on the locale: locale_independence.sh EVALUATOR
# Builds tr_TR.UTF-8 and de_DE.UTF-8 into a scratch folder (LOCPATH, nothing
# installed) and evaluates the same files under C and under each of them.
# The evaluator imports no setlocale at all.
set -u
exe=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1

if nm -D --undefined-only "$exe" | grep -qw setlocale; then
  echo "FAIL: the evaluator calls setlocale"
  exit 1
fi

export LOCPATH="$scratch/locales"
mkdir -p "$LOCPATH"
locales=()
for name in tr_TR de_DE; do
  if localedef -i "$name" -f UTF-8 "$LOCPATH/$name.UTF-8" 2> /dev/null &&
     [ "$(LC_ALL=$name.UTF-8 locale charmap 2> /dev/null)" = UTF-8 ]; then
    locales+=("$name.UTF-8")
  fi
done
if [ ${#locales[@]} -eq 0 ]; then
  echo "SKIP: no locale could be built (localedef and Debian's locales package)"
  exit 77
fi

failed=0
# check NAME EXPECTED_REPORT_FORMAT INPUT_FORMAT SUBMISSION_FORMAT
check() {
  printf "$3" > input.txt
  printf "$4" > submission.txt
  printf "$2" > expected
  for locale in C "${locales[@]}"; do
    rm -f report.txt
    LC_ALL=$locale "$exe" eval input.txt submission.txt report.txt
    if ! cmp -s expected report.txt; then
      echo "FAIL $1 under $locale: $(od -c report.txt | head -4)"
      failed=1
      return
    fi
  done
  echo "ok $1 under C ${locales[*]}"
}

small='Barvotok\n1\n\n1\n2 2 2\n1 2\n2 1\n'
check "whitespace of every kind" 'OK\n1\n1 2\n' "$small" '123456\nBarvotok\n \t+1\v\n\f2\r\r\n2\t1 \n'
check "letter case of the task name" \
  'Napaka [Zvn22Barvotok:112]: v prvi vrstici bi moral biti niz "Barvotok", ne pa "BARVOTOK"\n-1\n' \
  'BARVOTOK\n' '123456\nBarvotok\n'
check "task name of the submission in capitals" \
  'Napaka [Zvn22Barvotok:223]: v drugi vrstici bi moral biti niz "Barvotok", ne pa "BARVOTOK"\n-1\n' \
  "$small" '123456\nBARVOTOK\n'
check "a no-break space between numbers" 'Napaka [Zvn22Barvotok:58]: namesto stevke se pojavlja znak s kodo 194\n-1\n' \
  "$small" '123456\nBarvotok\n1\n2\n2\302\2401\n'
check "a decimal comma" 'Napaka [Zvn22Barvotok:58]: namesto stevke se pojavlja znak s kodo 44\n-1\n' \
  "$small" '123456\nBarvotok\n1\n2\n2,1\n'
check "byte 255 in a grid row" 'Napaka [Zvn22Barvotok:58]: namesto stevke se pojavlja znak s kodo 255\n-1\n' \
  'Barvotok\n1\n\n1\n2 2 2\n1 2\n2 1\377\n' '123456\nBarvotok\n'
exit "$failed"
