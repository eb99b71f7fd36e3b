#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and builds the Debian package from the same
# rules, then checks both: the program starts, the guide is where the Help menu looks, the
# program, its manual page, metainfo and guide name the version the build was configured with,
# the translations are where the program looks for them, and the desktop entry and metainfo
# validate; lintian finds no error or warning in the package.
# Usage: dist/check-install.sh [BUILD_DIR]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
wanted="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"

# Fails, naming $1, when its standard input lacks the text $2.
has_text() {
    grep -qF -- "$2" || { echo "$what: $1 does not name version $wanted" >&2; return 1; }
}

check_tree() {
    local root=$1 what=$2
    local version
    version="$("$root/bin/tickvane" --version)"
    [ "$version" = "Tickvane $wanted" ] || { echo "$what: --version printed '$version'" >&2; return 1; }
    for file in bin/../share/doc/tickvane/TickVane.Doc.html share/man/man1/tickvane.1.gz \
                share/doc/tickvane/copyright share/icons/hicolor/scalable/apps/tickvane.svg \
                share/tickvane/translations/tickvane_de.qm share/tickvane/translations/tickvane_fr.qm; do
        [ -s "$root/$file" ] || { echo "$what: $file is missing" >&2; return 1; }
    done
    local metainfo="$root/share/metainfo/org.tickvane.Tickvane.metainfo.xml"
    zcat "$root/share/man/man1/tickvane.1.gz" | has_text "the manual page" "\"Tickvane $wanted\""
    has_text "the metainfo" "<release version=\"$wanted\"" <"$metainfo"
    has_text "the guide" "<h1>Tickvane version $wanted</h1>" <"$root/share/doc/tickvane/TickVane.Doc.html"
    desktop-file-validate "$root/share/applications/tickvane.desktop"
    appstreamcli validate --pedantic --no-net "$metainfo" >/dev/null
    echo "$what: starts, names version $wanted everywhere, desktop entry and metainfo validate"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_tree "$work/prefix" "cmake --install"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/tickvane_*.deb)"
dpkg-deb --field "$deb" Package Version Depends
dpkg-deb -x "$deb" "$work/deb"
check_tree "$work/deb/usr" "$(basename "$deb")"
lintian --fail-on error,warning "$deb"
echo "$(basename "$deb"): lintian finds no error or warning"
