#!/usr/bin/env bash
# Makes docs/visualiser.png: the page for section 2 of the bundled example at
# move 9. Needs the release build and the browser test's dependencies
# (tools/visualise/test/install-browser-deps.sh).
# Usage: tools/visualise/make-screenshot.sh [INPUT SUBMISSION SECTION MOVE]
set -euo pipefail
cd "$(dirname "$0")/../.."
input=${1:-tools/visualise/example/input.txt}
submission=${2:-tools/visualise/example/submission.txt}
section=${3:-2}
move=${4:-9}

page=$(mktemp --suffix=.html)
trap 'rm -f "$page"' EXIT
build/release/tools/visualise/barvotok-visualise "$input" "$submission" "$page" --section "$section"
node tools/visualise/test/screenshot.mjs "$page" docs/visualiser.png "$move"
