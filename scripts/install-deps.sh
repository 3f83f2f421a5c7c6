#!/usr/bin/env bash
# Installs the build and test dependencies that a fresh machine may lack,
# the visualiser's browser test included. Each entry is "command-or-file package".
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/packages.sh

want cmake cmake
want g++ g++
want /usr/include/gtest/gtest.h libgtest-dev
want /usr/include/benchmark/benchmark.h libbenchmark-dev
want /usr/include/png.h libpng-dev
want /usr/bin/time time
want localedef locales
want /usr/include/sqlite3.h libsqlite3-dev
want /usr/include/xxhash.h libxxhash-dev
want parallel parallel
want sqlite3 sqlite3
want pkg-config pkg-config
# Packaging and the engines that contests scale out on: help2man writes the man
# pages, dpkg-shlibdeps computes the package's dependencies, lintian checks the
# package against Debian's policy, and the tests run
# the README's recipes on a one-node Slurm cluster (munge authenticates it) and
# through GNU parallel over ssh, which moves the files with rsync.
want help2man help2man
want man man-db
want dpkg-shlibdeps dpkg-dev
want lintian lintian
want file file
want slurmctld slurm-wlm
want munged munge
want /usr/sbin/sshd openssh-server
want ssh openssh-client
want rsync rsync
install_wanted

# The visualiser's browser test: chromium and playwright-core.
bash tests/tools/visualise/install-browser-deps.sh
# The web build: emscripten.
bash scripts/install-web-deps.sh
# The Windows build and its test: MinGW-w64 and Wine, where they can be had.
bash scripts/install-windows-deps.sh || echo "MinGW-w64 or Wine could not be installed: the Wine test will be skipped"
