#!/usr/bin/env bash
# Makes docs/visualiser.png with the visualiser's browser test: the page for
# section 2 of the bundled example (test case 3) at move 2, the state that
# docs/toolkit.md describes. Needs the release build and the browser test's
# dependencies (tests/tools/visualise/install-browser-deps.sh).
# Usage: tools/visualise/make-screenshot.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
BARVOTOK_SCREENSHOT=$PWD/docs/visualiser.png node --test-name-pattern='screenshot' \
  tests/tools/visualise/browser_test.mjs build/release/tools/visualise/barvotok-visualise build/release/Zvn22Barvotok
