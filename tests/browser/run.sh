#!/usr/bin/env bash
# Generates page sets with the given program and checks them in headless Chromium and headless
# Firefox ESR (Debian's chromium and firefox-esr, driven by puppeteer-core). Prints a line for
# each failure, naming the browser, and one summary line; exits non-zero on any failure.
# Usage: tests/browser/run.sh PATH/TO/tickvane
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$(realpath "$1")"
for needed in /usr/bin/chromium /usr/bin/firefox-esr /usr/bin/openssl; do
  if [ ! -x "$needed" ]; then
    echo "browser test: FAILED, $needed is missing (tools/install-deps.sh --tests installs it)" >&2
    exit 1
  fi
done
if [ ! -f "$here/node_modules/puppeteer-core/package.json" ]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi
node "$here/check_pages.mjs" "$program"
