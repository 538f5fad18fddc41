#!/usr/bin/env bash
# Installs what the browser tests and the view's measurement need on a
# Debian machine: Chromium, the DejaVu fonts the pages and pictures name,
# node and npm (unless a node is there already, which brings its own npm),
# and the node modules of tests/browser as package-lock.json fixes them.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
packages=(chromium fonts-dejavu-core)
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
"$here/../../scripts/install-packages.sh" "${packages[@]}"
if [ ! -d "$here/node_modules/puppeteer-core" ]; then
  (cd "$here" && npm ci --no-audit --no-fund >/dev/null)
fi
