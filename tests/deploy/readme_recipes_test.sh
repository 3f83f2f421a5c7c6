#!/usr/bin/env bash
# The scale-out recipes that docs/contest.md shows are the files that the
# tests run: each file of examples/scale-out stands verbatim in a fenced block
# of the page's "Shards" section, and that section has no other block.
# Usage: readme_recipes_test.sh SOURCE_DIR
set -u
source_dir=$(realpath "$1")
# shellcheck source=/dev/null
source "$source_dir/tests/support/shell_checks.sh"

# The section, from its heading to the next heading of its level or above.
awk '/^### Shards/ { inside = 1; print; next } inside && /^##+ / { exit } inside' "$source_dir/docs/contest.md" >section.md
check "docs/contest.md has the Shards section" test -s section.md
section=$(cat section.md)
recipes=0
for recipe in "$source_dir"/examples/scale-out/*; do
  name=${recipe#"$source_dir/"}
  block='```bash'$'\n'"$(cat "$recipe")"$'\n```'
  check "docs/contest.md shows $name verbatim" test "${section/"$block"/}" != "$section"
  recipes=$((recipes + 1))
done
check "every block of the section is one of the $recipes recipes" test "$(grep -c '^```[a-z]' section.md)" -eq "$recipes"
finish
