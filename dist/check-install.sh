#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and builds the Debian package from the same
# rules, then checks both: the program starts, the guide is where the Help menu looks, and the
# desktop entry and metainfo validate. Usage: dist/check-install.sh [BUILD_DIR]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

check_tree() {
    local root=$1 what=$2
    local version
    version="$("$root/bin/tickvane" --version)"
    [ "$version" = "Tickvane 1.0" ] || { echo "$what: --version printed '$version'" >&2; return 1; }
    for file in bin/../share/doc/tickvane/TickVane.Doc.html share/man/man1/tickvane.1 \
                share/icons/hicolor/scalable/apps/tickvane.svg; do
        [ -s "$root/$file" ] || { echo "$what: $file is missing" >&2; return 1; }
    done
    desktop-file-validate "$root/share/applications/tickvane.desktop"
    appstreamcli validate --no-net "$root/share/metainfo/org.tickvane.Tickvane.metainfo.xml" >/dev/null
    echo "$what: starts, has its guide, desktop entry and metainfo validate"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_tree "$work/prefix" "cmake --install"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/tickvane_*.deb)"
dpkg-deb --field "$deb" Package Version Depends
dpkg-deb -x "$deb" "$work/deb"
check_tree "$work/deb/usr" "$(basename "$deb")"
