#!/usr/bin/env bash
# Every console example of the README and of docs/ runs as it is written:
# each page's examples in a scratch folder of its own, in the page's order,
# with the programs on PATH, and each command's output (standard output and
# error, line ends as LF) must be the lines the page shows under it. In a
# shown line, "[...]" stands for any text (a time, say). A command goes on
# over the next lines while it ends in "\" or is not yet a whole command.
# Usage: docs_test.sh SOURCE_DIR PROGRAM...
set -u
# shellcheck source=/dev/null
source "$(dirname "$(realpath "$0")")/../support/shell_checks.sh"
source_dir=$(realpath "$1")
shift
for program in "$@"; do PATH=$(dirname "$(realpath "$program")"):$PATH; done
export PATH

whole_command() { [[ $1 != *\\ ]] && bash -n <<<"$1" 2>/dev/null; }

# Splits PAGE's console examples into cmd.N (a command) and want.N (its lines).
split_examples() {
  local inside=0 open=0 n=0 command="" line
  while IFS= read -r line; do
    if [ $inside -eq 0 ]; then
      [ "$line" = '```console' ] && inside=1
      continue
    fi
    if [ "$line" = '```' ]; then
      inside=0
      continue
    fi
    if [ $open -eq 1 ]; then
      command+=$'\n'"$line"
      printf '%s\n' "$line" >>"cmd.$n"
      whole_command "$command" && open=0
    elif [[ $line == '$ '* ]]; then
      n=$((n + 1))
      command=${line#'$ '}
      printf '%s\n' "$command" >"cmd.$n"
      : >"want.$n"
      whole_command "$command" || open=1
    else
      printf '%s\n' "$line" >>"want.$n"
    fi
  done <"$1"
  echo "$n"
}

# Whether the lines of OUT are those of WANT, "[...]" matching any text.
shows() {
  local got want pattern at
  mapfile -t got < <(tr -d '\r' <"$1")
  mapfile -t want <"$2"
  [ ${#got[@]} -eq ${#want[@]} ] || return 1
  for at in "${!want[@]}"; do
    pattern=${want[at]//\\/\\\\}
    pattern=${pattern//\*/\\*}
    pattern=${pattern//\?/\\?}
    pattern=${pattern//\[/\\[}
    pattern=${pattern//\]/\\]}
    pattern=${pattern//'\[...\]'/*}
    # shellcheck disable=SC2053
    [[ ${got[at]} == $pattern ]] || return 1
  done
}

examples=0
for page in README.md $(cd "$source_dir" && echo docs/*.md); do
  folder=$(mktemp -d "$PWD/page.XXXXXX")
  count=$(cd "$folder" && split_examples "$source_dir/$page")
  [ "$count" -gt 0 ] || continue
  for n in $(seq 1 "$count"); do
    # Absolute, since an example may change folders.
    printf '{\n%s\n} >%q 2>&1 </dev/null\n' "$(cat "$folder/cmd.$n")" "$folder/out.$n" >>"$folder/run.sh"
  done
  (cd "$folder" && bash run.sh)
  for n in $(seq 1 "$count"); do
    check "$page: \$ $(head -n 1 "$folder/cmd.$n")" shows "$folder/out.$n" "$folder/want.$n"
    shows "$folder/out.$n" "$folder/want.$n" || diff "$folder/want.$n" <(tr -d '\r' <"$folder/out.$n") | head -n 10
    examples=$((examples + 1))
  done
done
check "the pages hold console examples ($examples)" test "$examples" -ge 20
finish
