#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (CTest, then the fuzz targets).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
ctest --test-dir build --output-on-failure -j2
if [ -x tools/fuzz.sh ]; then
  tools/fuzz.sh
fi
