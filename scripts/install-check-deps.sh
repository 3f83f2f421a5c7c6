#!/usr/bin/env bash
# Installs what the longer checks need beyond scripts/install-deps.sh:
# clang with its libFuzzer and sanitizer runtime, clang-tidy and cppcheck.
# Each entry is "command-or-file package".
set -euo pipefail

needed=()
want() { if [ ! -e "$1" ] && ! command -v "$1" >/dev/null 2>&1; then needed+=("$2"); fi; }

want clang++ clang
want clang-tidy clang-tidy
want cppcheck cppcheck
if ! compgen -G "/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  needed+=(libclang-rt-14-dev)
fi

if [ ${#needed[@]} -gt 0 ]; then
  echo "installing: ${needed[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${needed[@]}"
fi
