#!/usr/bin/env bash
# The bash completion, asked what it offers: each row is a command line whose
# last word is being completed, and the offers, sorted, in a folder that holds
# a file of each kind the tools read or write and a subfolder.
# The options it offers are those each program's --help lists.
# Usage: completion_test.sh COMPLETION_SCRIPT BARVOTOK-GEN BARVOTOK-SOLVE BARVOTOK-VISUALISE BARVOTOK-CONTEST
set -u
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../../support/shell_checks.sh"
take_paths script gen solve visualise contest -- "$@"
# shellcheck source=/dev/null
source "$script"
touch input.txt results.db standings.csv standings.json page.html grid.png notes.md
mkdir subs

offers() {  # offers WORD...: what completing the last word offers, sorted, on one line
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  local function
  function=$(complete -p "$1" | awk '{ print $(NF - 1) }')
  COMPREPLY=()
  "$function"
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

while IFS='|' read -r line expected; do
  read -ra words <<<"$line"
  [[ $line == *' ' ]] && words+=("")
  check "'$line' offers: $expected" test "$(offers "${words[@]}")" = "$expected"
done <<'ROWS'
Zvn22Barvotok |eval
Zvn22Barvotok eval input|input.txt
barvotok-gen --pat|--pattern
barvotok-gen --c|--cases --cluster --colours
barvotok-gen -p c|checkerboard clustered comb
barvotok-gen -o |input.txt subs
barvotok-gen --seed |
barvotok-solve |input.txt subs
barvotok-solve --strategy |beam exact greedy lookahead
barvotok-solve --pad |max
barvotok-solve --q|--quiet
barvotok-visualise input.txt |input.txt page.html subs
barvotok-visualise --png |grid.png subs
barvotok-visualise -o |page.html subs
barvotok-contest |--help --version judge standings
barvotok-contest judge -d |results.db subs
barvotok-contest judge --reports |subs
barvotok-contest judge --js|--json
barvotok-contest standings |results.db subs
barvotok-contest standings -o |page.html standings.csv standings.json subs
barvotok-contest standings --format |csv html json
barvotok-contest standings --scoring m|moves
barvotok-contest standings --count |best last
barvotok-contest standings --input |input.txt subs
ROWS

for program in "$gen" "$solve" "$visualise" "$contest judge" "$contest standings"; do
  # shellcheck disable=SC2086
  listed=$($program --help | grep -o -- '--[a-z][a-z-]*' | sort -u | tr '\n' ' ' | sed 's/ $//')
  name=$(basename "${program%% *}")
  read -ra command <<<"$name${program#"${program%% *}"}"
  check "$name${program#"${program%% *}"}: '--' offers the options its help lists" \
    test "$(offers "${command[@]}" -- | tr ' ' '\n' | sort | tr '\n' ' ' | sed 's/ $//')" = "$listed"
done
finish
