#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tickvane (arguments are passed on).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
exec build/src/app/tickvane "$@"
