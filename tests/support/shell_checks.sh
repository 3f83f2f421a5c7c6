# The harness of the shell tests, sourced by each: `check` counts a named
# condition, the test runs in a fresh scratch folder that goes with it, and
# `finish` prints the tally and gives the test's exit status; `take_paths`
# reads the test's arguments as absolute paths.
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

take_paths() {  # take_paths NAME... -- ARGUMENT...: sets each NAME to its argument's absolute path
  local names=() name
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    names+=("$1")
    shift
  done
  shift
  for name in "${names[@]}"; do
    printf -v "$name" '%s' "$(cd "$started_in" && realpath -- "$1")"
    shift
  done
}

# The test's arguments name paths from where it was started.
started_in=$PWD
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
