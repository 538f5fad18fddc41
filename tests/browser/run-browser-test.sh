#!/usr/bin/env bash
# Runs one browser test (a node script of this folder) against scenario_tool,
# or skips it, saying what is missing, where Chromium, node or the node
# modules (npm ci in tests/browser) are not there. CTest takes status 77 for
# a skipped test; .ci/run installs all three, so CI never skips.
#
#   tests/browser/run-browser-test.sh SCRIPT.js SCENARIO_TOOL ARTIFACTS_FOLDER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
chromium="${CHROMIUM:-/usr/bin/chromium}"
if [ ! -x "$chromium" ]; then
  echo "skipped: $chromium is missing (Debian: apt-get install chromium)"
  exit 77
fi
if ! command -v node >/dev/null; then
  echo "skipped: node is missing (Debian: apt-get install nodejs npm)"
  exit 77
fi
if [ ! -d "$here/node_modules/puppeteer-core" ]; then
  echo "skipped: puppeteer-core is missing (npm ci in $here)"
  exit 77
fi
exec node "$here/$1" "$2" "$3"
