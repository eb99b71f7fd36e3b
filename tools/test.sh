#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit tests (CTest), a longer run of
# the random editing sessions checked against their reference, the program driven end to end on
# a virtual display and natively on a headless Wayland compositor, the batch commands with each
# write, flush and rename failing in turn, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the installation and the Debian package, the generated pages in
# headless Chromium and Firefox ESR, and each fuzz target for 30 s.
# Each step prints a banner and its time; the first failing step stops the script non-zero.
set -eEuo pipefail
cd "$(dirname "$0")/.."

current=""
started=$SECONDS
trap 'echo "==== FAILED: $current" >&2' ERR

step() {
    current=$1
    shift
    printf '\n==== %s\n' "$current"
    local start=$SECONDS
    "$@"
    printf '==== passed: %s (%d s)\n' "$current" $((SECONDS - start))
}

step "install missing packages" tools/install-deps.sh --tests
step "build" tools/build.sh
step "unit tests" ctest --test-dir build --output-on-failure -j2
step "100 random editing sessions of each size" env TICKVANE_SESSIONS=100 QT_QPA_PLATFORM=offscreen \
  build/tests/tst_editmodel -silent
step "end to end on a virtual display" tests/e2e/run.sh build/src/app/tickvane
step "natively on a headless Wayland compositor" tests/wayland/run.sh build/src/app/tickvane
step "each write, flush and rename failing in turn" tests/faults/run.sh build/src/app/tickvane
step "unit tests under ASan and UBSan" tools/sanitize.sh
step "installation and Debian package" dist/check-install.sh build
step "generated pages in headless Chromium and Firefox ESR" tests/browser/run.sh build/src/app/tickvane
step "fuzz targets, 30 s each" tools/fuzz.sh 30
printf '\n==== all tests passed (%d s)\n' $((SECONDS - started))
