#!/usr/bin/env bash
# Fails when an include points up a layer: check_layers.sh ROOT
#
# The evaluator's layers, lowest first: check, text, testset, submission,
# driver. A file may include its own layer and those below it. Above them
# stand the tools: tools/common may include any layer of src/, and each
# tool's folder src/ and tools/common, never another tool. src/ includes
# nothing outside itself. Within the contest tool, its results database
# stands below the judge and the standings, which never include each other.
set -uo pipefail
root=$(realpath "$1")

rank_of() {
  case $1 in
    src/check/*) echo 0 ;;
    src/text/*) echo 1 ;;
    src/testset/*) echo 2 ;;
    src/submission/*) echo 3 ;;
    src/driver/*) echo 4 ;;
    tools/common/*) echo 5 ;;
    tools/*) echo 6 ;;
    *) echo 9 ;;
  esac
}

# The part of the contest tool that a file belongs to: 0 for the results
# database, 1 for the judge or the standings; none for any other file.
contest_part() {
  case $1 in
    tools/contest/database/*) echo "0 database" ;;
    tools/contest/judge/*) echo "1 judge" ;;
    tools/contest/standings/*) echo "1 standings" ;;
    *) echo "" ;;
  esac
}

# True when the include from part $1 to part $2 goes up or sideways.
contest_fault() {
  [ -n "$1" ] && [ -n "$2" ] || return 1
  [ "${2% *}" -gt "${1% *}" ] || { [ "${2% *}" = "${1% *}" ] && [ "$2" != "$1" ]; }
}

# The file that an include names: beside the including file, else under src/ or tools/.
resolve() {
  local from_dir=$1 name=$2 base
  for base in "$from_dir" "$root/src" "$root/tools"; do
    if [ -e "$base/$name" ]; then
      realpath --relative-to="$root" "$base/$name"
      return
    fi
  done
  echo "missing:$name"
}

faults=0
while IFS= read -r file; do
  source_rank=$(rank_of "$file")
  source_tool=$(echo "$file" | cut -d/ -f1-2)
  source_part=$(contest_part "$file")
  while IFS= read -r name; do
    target=$(resolve "$(dirname "$root/$file")" "$name")
    target_rank=$(rank_of "$target")
    target_tool=$(echo "$target" | cut -d/ -f1-2)
    if [ "$target_rank" -gt "$source_rank" ] ||
       { [ "$source_rank" = 6 ] && [ "$target_rank" = 6 ] && [ "$source_tool" != "$target_tool" ]; } ||
       contest_fault "$source_part" "$(contest_part "$target")"; then
      echo "$file includes $target, which is not below it"
      faults=$((faults + 1))
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$root/$file")
done < <(cd "$root" && find src tools -name '*.cpp' -o -name '*.h' | sort)

if [ "$faults" -gt 0 ]; then
  echo "$faults includes point up a layer"
  exit 1
fi
echo "every include points down a layer or stays within its own"
