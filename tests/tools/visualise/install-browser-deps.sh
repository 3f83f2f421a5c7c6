#!/usr/bin/env bash
# Installs what the visualiser's browser test needs: Debian's chromium, node
# and npm where missing, and playwright-core from npm into
# tests/tools/visualise/node_modules, as pinned by package-lock.json.
# Playwright's own browser download is never used.
set -euo pipefail
cd "$(dirname "$0")"

source ../../../scripts/lib/packages.sh
want chromium chromium
want node nodejs
want npm npm  # a node that comes with its own npm needs none from Debian
install_wanted --no-install-recommends

if [ ! -f node_modules/playwright-core/package.json ]; then
  # --ignore-scripts: nothing may fetch a browser of its own.
  PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --ignore-scripts
fi
