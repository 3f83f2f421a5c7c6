# The harness of the shell tests, sourced by each: `check` counts a named
# condition, the test runs in a fresh scratch folder that goes with it, and
# `finish` prints the tally and gives the test's exit status.
passes=0
failures=0

check() {  # check DESCRIPTION CONDITION...
  local what=$1
  shift
  if "$@"; then
    echo "ok   $what"
    passes=$((passes + 1))
  else
    echo "FAIL $what"
    failures=$((failures + 1))
  fi
}

finish() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
