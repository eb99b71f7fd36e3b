#!/usr/bin/env bash
# Installs, on Debian 12, whatever of the build and test tools is missing. Needs root (or sudo).
set -euo pipefail
# Build and unit tests; the fuzz targets (clang); the installation and package checks; the
# browser test (Debian's chromium, driven by puppeteer-core from npm).
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libbenchmark-dev ccache
          clang libclang-rt-14-dev
          dpkg-dev desktop-file-utils appstream
          chromium)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
# Node.js may come from elsewhere than Debian; only its absence matters.
command -v npm >/dev/null || missing+=(nodejs npm)
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
