#!/usr/bin/env bash
# Runs browser tests with node's test runner: run-tests.sh <test files...>.
# Exits 77 (skipped, for ctest) when headless Chromium or the npm packages
# are missing; scripts/install-deps.sh --browser and "npm ci" here bring them.
set -u
here=$(cd "$(dirname "$0")" && pwd)
chromium=${KORVEX_CHROMIUM:-/usr/bin/chromium}
if [ ! -x "$chromium" ]; then
  echo "Skipped: no Chromium at $chromium (scripts/install-deps.sh --browser)"
  exit 77
fi
if [ ! -d "$here/node_modules/playwright-core" ] || [ ! -d "$here/node_modules/jquery" ]; then
  echo "Skipped: no node_modules in $here (run npm ci there)"
  exit 77
fi
cd "$here"
exec node --test "$@"
