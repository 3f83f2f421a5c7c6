#!/usr/bin/env bash
# CTest entry of the standings page's browser test: runs it with node.
# Usage: run_browser_test.sh BARVOTOK_CONTEST
# It shares the visualiser's browser install; when chromium, node, sqlite3 or
# playwright-core is missing it exits 77 (skipped), under CI (CI=true) 1.
set -u
here=$(cd "$(dirname "$0")" && pwd)
visualise="$here/../../visualise"

missing=()
for tool in chromium node sqlite3; do command -v $tool >/dev/null 2>&1 || missing+=($tool); done
[ -f "$visualise/node_modules/playwright-core/package.json" ] || missing+=(playwright-core)
if [ ${#missing[@]} -gt 0 ]; then
  echo "browser test: missing ${missing[*]}; install with: bash tests/tools/visualise/install-browser-deps.sh"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
exec node "$here/browser_test.mjs" "$1" "$here/../../../../tools/contest/database/schema_v1.sql"
