#!/usr/bin/env bash
# Regenerates every picture of the user guide into doc/pictures/: the main window and each
# dialog, captured from the real program on a virtual display with a prepared list
# (tools/doc-pictures.ini), and a generated page set as headless Chromium shows it (the network
# is off, so the chart frame shows the browser's error page). Pictures are stripped and reduced
# to 256 colours to stay small. Set SCREEN=:N to use display :N.
# Usage: tools/doc-pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
out=doc/pictures
settings=tools/doc-pictures.ini
export SCREEN="${SCREEN:-:$((90 + RANDOM % 100))}"
[ -x build/src/app/tickvane ] || tools/build.sh
command -v convert >/dev/null || { echo "doc-pictures: ImageMagick's convert is missing" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# Writes picture $1 to doc/pictures/$2 without metadata, in an 8-bit palette.
keep() {
  convert "$1" -strip -colors 256 "PNG8:$out/$2"
  echo "$out/$2"
}

SETTINGS="$settings" tools/screenshot.sh "$work/main.png" >/dev/null
keep "$work/main.png" main-window.png
# The Edit menu after a stock was deleted.
MENU=Edit KEYS="Down Delete" SETTINGS="$settings" tools/screenshot.sh "$work/edit.png" >/dev/null
keep "$work/edit.png" menu-edit.png
for dialog in AddType AddStock EditStock ChangeType BigCharts StockMaster StockPoint Yahoo \
              General CustomURLs ChartSites AddChartSite EditChartSite SymbolForms About; do
  DIALOG="$dialog" SETTINGS="$settings" tools/screenshot.sh "$work/$dialog.png" >/dev/null
  keep "$work/$dialog.png" "dialog-${dialog,,}.png"
done
DIALOG=AddList LIST=tools/doc-pictures-list.csv SETTINGS="$settings" tools/screenshot.sh \
  "$work/addlist.png" >/dev/null
keep "$work/addlist.png" dialog-addlist.png

# The page set, generated in batch mode into a folder of our own.
sed "s|^HtmlDir=.*|HtmlDir=$work/pages/|" "$settings" >"$work/pages.ini"
mkdir "$work/pages"
QT_QPA_PLATFORM=offscreen build/src/app/tickvane --settings "$work/pages.ini" --generate >/dev/null
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --host-resolver-rules='MAP * ~NOTFOUND' --user-data-dir="$work/chromium" \
  --hide-scrollbars --window-size=1024,600 --screenshot="$work/browser.png" \
  "file://$work/pages/yahoo.frame.html" >/dev/null 2>&1
keep "$work/browser.png" browser-yahoo.png
