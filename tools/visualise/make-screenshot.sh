#!/usr/bin/env bash
# Makes docs/visualiser.png: the page for section 2 of the bundled example
# (test case 3) at move 2. Needs the release build and the browser test's dependencies
# (tests/tools/visualise/install-browser-deps.sh).
# Usage: tools/visualise/make-screenshot.sh [INPUT SUBMISSION SECTION MOVE]
set -euo pipefail
cd "$(dirname "$0")/../.."
input=${1:-examples/input.txt}
submission=${2:-examples/submission.txt}
section=${3:-2}
move=${4:-2}

page=$(mktemp --suffix=.html)
trap 'rm -f "$page"' EXIT
build/release/tools/visualise/barvotok-visualise "$input" "$submission" "$page" --section "$section"
node tests/tools/visualise/screenshot.mjs "$page" docs/visualiser.png "$move"
