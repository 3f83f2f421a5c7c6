#!/usr/bin/env bash
# Static analysis of the product's sources: clang-tidy with the checks of
# .clang-tidy (every finding an error) and cppcheck; then that every C++
# file keeps the .clang-format style. Needs a configured
# build folder for the compile commands (default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

bash scripts/install-check-deps.sh
[ -e "$build/compile_commands.json" ] || cmake --preset release >/dev/null

echo "=== clang-tidy"
# Its count of suppressed warnings in other headers is noise.
clang-tidy -p "$build" --quiet src/*/*.cpp 2> >(grep -v "warnings generated" >&2)
echo "=== cppcheck"
cppcheck --quiet --std=c++20 --language=c++ --enable=warning,style,performance,portability \
  --inline-suppr --error-exitcode=1 -I src src
echo "=== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "static analysis clean"
