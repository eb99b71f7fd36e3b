#!/usr/bin/env bash
# Generates a page set with the given program and checks it in headless Chromium (Debian's
# chromium, driven by puppeteer-core). Prints one summary line; exits non-zero on any failure.
# Usage: tests/browser/run.sh PATH/TO/tickvane
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$(realpath "$1")"
if [ ! -x /usr/bin/chromium ]; then
  echo "browser test: FAILED, /usr/bin/chromium is missing (tools/install-deps.sh installs it)" >&2
  exit 1
fi
if [ ! -f "$here/node_modules/puppeteer-core/package.json" ]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi
node "$here/check_pages.mjs" "$program"
