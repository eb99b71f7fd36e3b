#!/usr/bin/env bash
# Installs, on Debian 12, whatever is missing of what building and running Tickvane needs.
# With --tests, also what the test command needs beyond that. Needs root (or sudo).
# Usage: tools/install-deps.sh [--tests]
set -euo pipefail
# Building and running; lupdate and lrelease (the translations are compiled at build time and
# checked against the sources) and Qt's own translations of its standard buttons.
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-wayland libgl-dev
          libbenchmark-dev ccache libcsv-dev qt6-l10n-tools qt6-translations-l10n)
node=false
if [ "${1:-}" = "--tests" ]; then
  # The fuzz targets (clang); the installation and package checks (lintian among them); the
  # end-to-end test on a virtual display (xwininfo tells which window is on top); the run on
  # a headless Wayland compositor, driven through the accessibility bus; the browser
  # test (Debian's chromium and firefox-esr, driven by puppeteer-core from npm, and openssl
  # for the certificate of its stand-in web).
  packages+=(clang libclang-rt-14-dev
             dpkg-dev desktop-file-utils appstream lintian
             xvfb xdotool x11-utils
             weston python3-pyatspi at-spi2-core dbus
             chromium firefox-esr openssl)
  node=true
fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
# Node.js may come from elsewhere than Debian; only its absence matters.
$node && ! command -v npm >/dev/null && missing+=(nodejs npm)
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
