#!/usr/bin/env bash
# Starts Tickvane on a virtual display with a fresh settings file, captures the main window
# to a PNG and quits. Usage: tools/screenshot.sh [OUTPUT.png]   (default /tmp/tickvane.png)
# Set MENU=File (or Edit, Options, Help) to capture the window's part of the screen with that
# menu open; KEYS="KEY ..." are pressed in the window before the menu opens.
# Set DIALOG=NAME to open a dialog from the keyboard and capture it: BigCharts, StockMaster,
# StockPoint, Yahoo, General, CustomURLs, ChartSites (the Options menu), AddChartSite and
# EditChartSite (the chart sites dialog's Add, and Edit on its last site), SymbolForms (the
# Yahoo site's symbol forms), AddStock, EditStock, AddType, ChangeType (the list buttons; Edit
# and Change type act on the list's second row), About (the Help menu), AddList (the File
# menu's list command; LIST=FILE is the list typed into its file chooser).
# Set SETTINGS=FILE to start from a copy of FILE instead of an empty settings file.
# Set SCREEN=:N to use display :N instead of a random one.
set -euo pipefail
cd "$(dirname "$0")/.."
output="${1:-/tmp/tickvane.png}"

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v import >/dev/null || need+=(imagemagick)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
[ -x build/src/app/tickvane ] || tools/build.sh

work="$(mktemp -d)"
display="${SCREEN:-:$((90 + RANDOM % 100))}"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true  # frees the display for the next run
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
# The killed program's socket goes with the work folder.
export XDG_RUNTIME_DIR="$work"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

[ -n "${SETTINGS:-}" ] && cp "$SETTINGS" "$work/Tickvane.ini"
QT_QPA_PLATFORM=xcb build/src/app/tickvane --settings "$work/Tickvane.ini" &
program=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Tickvane$' | head -n1)"
sleep 1
if [ -n "${MENU:-}" ]; then
  case "$MENU" in File) x=20 ;; Edit) x=57 ;; Options) x=106 ;; *) x=158 ;; esac
  xdotool windowfocus --sync "$window"
  for key in ${KEYS:-}; do
    xdotool key "$key"
    sleep 0.3
  done
  xdotool mousemove --window "$window" "$x" 9 click 1
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"
elif [ -n "${DIALOG:-}" ]; then
  case "$DIALOG" in
    BigCharts) keys=(alt+o b) title='BigCharts Options' ;;
    StockMaster) keys=(alt+o m) title='StockMaster options' ;;
    StockPoint) keys=(alt+o p) title='StockPoint Options' ;;
    Yahoo) keys=(alt+o y) title='Yahoo Options' ;;
    General) keys=(alt+o g) title='General options' ;;
    CustomURLs) keys=(alt+o c) title='Custom URLs' ;;
    ChartSites) keys=(alt+o s) title='Chart sites' ;;
    AddChartSite) keys=(alt+o s alt+a) title='Add a chart site' ;;
    EditChartSite) keys=(alt+o s End alt+e) title='Chart site' ;;
    SymbolForms) keys=(alt+o s Down Down Down alt+f) title='Symbol forms of Yahoo' ;;
    AddStock) keys=(alt+s) title='New or updated stock' ;;
    EditStock) keys=(Down alt+e) title='New or updated stock' ;;
    AddType) keys=(alt+a) title='New or updated type' ;;
    ChangeType) keys=(Down alt+t) title='Change type' ;;
    About) keys=(alt+h a) title='About Tickvane' ;;
    AddList) keys=(alt+f a) title='Add stocks from a list' ;;
    *) echo "unknown DIALOG: $DIALOG" >&2; exit 2 ;;
  esac
  xdotool windowfocus --sync "$window"
  for key in "${keys[@]}"; do
    xdotool key "$key"
    sleep 0.5
  done
  if [ -n "${LIST:-}" ]; then
    sleep 1
    xdotool type --delay 20 "$(realpath "$LIST")"
    xdotool key Return
  fi
  dialog="$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n1)"
  sleep 1
  import -window "$dialog" "$output"
else
  import -window "$window" "$output"
fi
echo "$output"
