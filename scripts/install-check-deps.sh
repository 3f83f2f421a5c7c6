#!/usr/bin/env bash
# Installs what the longer checks need beyond scripts/install-deps.sh:
# clang with its libFuzzer and sanitizer runtime, clang-tidy and cppcheck.
# Each entry is "command-or-file package".
set -euo pipefail
source "$(dirname "$0")/lib/packages.sh"

want clang++ clang
want clang-tidy clang-tidy
want cppcheck cppcheck
if ! compgen -G "/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  needed_packages+=(libclang-rt-14-dev)
fi
install_wanted
