#!/usr/bin/env bash
# CTest entry of the web build's tests. The web build (cmake --workflow
# --preset web) is separate from this one; where it or node is missing the
# test exits 77 (skipped), under CI (CI=true) 1.
# Usage: run_web_test.sh WEB_BUILD_DIR golden GOLDEN_DIR
#        run_web_test.sh WEB_BUILD_DIR differential NATIVE_EVALUATOR [CASES]
#        run_web_test.sh WEB_BUILD_DIR browser NATIVE_EVALUATOR
set -u
here=$(cd "$(dirname "$0")" && pwd)
web=$1
what=$2
shift 2

missing=()
command -v node >/dev/null 2>&1 || missing+=(node)
for file in Zvn22Barvotok.js barvotok.html; do [ -f "$web/$file" ] || missing+=("$web/$file"); done
if [ "$what" = browser ]; then
  command -v chromium >/dev/null 2>&1 || missing+=(chromium)
  [ -f "$here/../visualise/node_modules/playwright-core/package.json" ] || missing+=(playwright-core)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "web test: missing ${missing[*]}; build with: cmake --workflow --preset web"
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi

case $what in
  golden)
    # Every golden case, through the evaluator as Node runs it.
    launcher=$(mktemp -d)
    trap 'rm -rf "$launcher"' EXIT
    printf '#!/bin/sh\nexec node "%s" "$@"\n' "$(realpath "$web/Zvn22Barvotok.js")" > "$launcher/Zvn22Barvotok"
    chmod +x "$launcher/Zvn22Barvotok"
    passed=0 failed=0
    for case_dir in "$1"/*/; do
      if bash "$here/../../golden/run_case.sh" "$launcher/Zvn22Barvotok" "${case_dir%/}"; then
        passed=$((passed + 1))
      else
        failed=$((failed + 1))
      fi
    done
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    ;;
  differential) exec node "$here/../../support/differential_test.mjs" "$1" "$web/Zvn22Barvotok.js" "${2:-2000}" ;;
  browser) exec node "$here/browser_test.mjs" "$web/barvotok.html" "$1" ;;
  *) echo "unknown web test: $what"; exit 2 ;;
esac
