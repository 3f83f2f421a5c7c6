#!/usr/bin/env bash
# CTest entry of the browser test: runs browser_test.mjs with node.
# Usage: run_browser_test.sh BARVOTOK_VISUALISE ZVN22BARVOTOK
# When chromium or playwright-core is missing it exits 77, which CTest shows
# as skipped; under CI (CI=true) a missing browser is a failure instead.
set -u
here=$(cd "$(dirname "$0")" && pwd)

missing=()
command -v chromium >/dev/null 2>&1 || missing+=(chromium)
command -v node >/dev/null 2>&1 || missing+=(node)
[ -f "$here/node_modules/playwright-core/package.json" ] || missing+=(playwright-core)
if [ ${#missing[@]} -gt 0 ]; then
  echo "browser test: missing ${missing[*]}; install with: bash tests/tools/visualise/install-browser-deps.sh"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi
exec node "$here/browser_test.mjs" "$@"
