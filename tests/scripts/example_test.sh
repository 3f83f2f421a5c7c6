#!/usr/bin/env bash
# The quick start on a machine that has nothing: scripts/example.sh installs a
# compiler and CMake alone (waiting for the package lock), builds the
# evaluator alone, and fetches no browser or npm package.
# Usage: example_test.sh REPOSITORY
set -u
repository=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/tree" "$scratch/bin"
cp -R "$repository/scripts" "$repository/examples" "$scratch/tree/"
mkdir -p "$scratch/tree/tests/tools/visualise"
cp "$repository"/tests/tools/visualise/{install-browser-deps.sh,package.json,package-lock.json} \
  "$scratch/tree/tests/tools/visualise/"
log=$scratch/calls.log

# Only the basic utilities: cmake, g++, node and the rest are missing.
for tool in bash env id grep mktemp cat rm dirname nproc chmod mkdir ln; do
  ln -s "$(command -v "$tool")" "$scratch/bin/$tool"
done
stub() {  # stub FOLDER NAME BODY: a command that logs its call, then runs BODY
  printf '#!%s\necho "%s $*" >> "%s"\n%s\n' "$(command -v bash)" "$2" "$log" "$3" > "$1/$2"
  chmod +x "$1/$2"
}
stub "$scratch/bin" sudo 'exec "$@"'
stub "$scratch/bin" npm ''
# Installing a package makes its command appear; building makes an evaluator
# that reports success.
mkdir "$scratch/packages"
stub "$scratch/packages" g++ ''
stub "$scratch/packages" cmake 'if [ "$1" = --build ]; then mkdir -p build/release
  printf "#!/bin/sh\nprintf \"OK\\\\n0\\\\n\" > \"\$4\"\n" > build/release/Zvn22Barvotok
  chmod +x build/release/Zvn22Barvotok; fi'
stub "$scratch/bin" apt-get 'for p in "$@"; do
  if [ -e "'"$scratch"'/packages/$p" ]; then ln -s "'"$scratch"'/packages/$p" "'"$scratch"'/bin/$p"; fi; done'

output=$(cd "$scratch/tree" && PATH="$scratch/bin" bash scripts/example.sh 2>&1)
status=$?
failures=0
expect() {  # expect DESCRIPTION PATTERN: a line of the call log matches
  if grep -qE -- "$2" "$log"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
reject() {
  if grep -qE -- "$2" "$log"; then echo "FAIL $1"; failures=$((failures + 1)); else echo "ok   $1"; fi
}
[ $status -eq 0 ] && [ "$(printf '%s\n' "$output" | tail -n 2)" = "$(printf 'OK\n0')" ] ||
  { echo "FAIL example.sh ran and showed the report (status $status): $output"; failures=$((failures + 1)); }
expect "installs the compiler and CMake" '^apt-get .* install -y -qq cmake g\+\+$'
expect "waits for the package lock" '^apt-get -o DPkg::Lock::Timeout=600 install'
reject "installs nothing else" '^apt-get .*install.*(gtest|chromium|nodejs|npm|png|sqlite)'
reject "fetches no npm package" '^npm'
expect "configures the evaluator alone" '^cmake --preset release -DBARVOTOK_EVALUATOR_ONLY=ON$'
expect "builds the evaluator alone" '^cmake --build --preset release .*--target Zvn22Barvotok$'
[ $failures -eq 0 ] || { echo "calls:"; cat "$log"; }
exit $((failures > 0))
