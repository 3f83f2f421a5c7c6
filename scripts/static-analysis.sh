#!/usr/bin/env bash
# Static analysis of the evaluator, the tools, the benchmarks and the fuzz
# targets: clang-tidy with the checks of .clang-tidy (every finding an
# error) and cppcheck; then that every C++ file keeps the .clang-format
# style. Needs a configured build folder for the compile commands (default
# build/release). clang-tidy runs on two files at a time (JOBS to change).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

bash scripts/install-check-deps.sh
[ -e "$build/compile_commands.json" ] || cmake --preset release >/dev/null

folders="src tools bench fuzz"
echo "=== clang-tidy"
# The sources that this build compiles (a PNG-less stand-in, for one, is not),
# as the compile commands name them.
sources=$(grep -o '"file": "[^"]*"' "$build/compile_commands.json" | cut -d'"' -f4 |
  grep -E "^$PWD/(${folders// /|})/" | sort -u)
# Its count of suppressed warnings in other headers is noise.
echo "$sources" | xargs -P "${JOBS:-2}" -n 1 clang-tidy -p "$build" --quiet \
  2> >(grep -v "warnings generated" >&2)
echo "=== cppcheck"
# A plain loop is often the clearer one: the STL-algorithm hint stays off.
# shellcheck disable=SC2086
cppcheck --quiet --std=c++20 --language=c++ --enable=warning,style,performance,portability \
  --suppress=useStlAlgorithm --inline-suppr --error-exitcode=1 -I src -I tools $folders
echo "=== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "static analysis clean"
