#!/usr/bin/env bash
# Starts Tickvane on a virtual display with a fresh settings file, captures the main window
# to a PNG and quits. Usage: tools/screenshot.sh [OUTPUT.png]   (default /tmp/tickvane.png)
# Set MENU=File (or Options, Help) to capture the whole screen with that menu open.
# Set DIALOG=BigCharts (or StockMaster, StockPoint, Yahoo) to open that site's options dialog
# from the keyboard (Alt+O, then the item's access key) and capture the dialog.
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
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb build/src/app/tickvane --settings "$work/Tickvane.ini" &
program=$!
window="$(xdotool search --sync --onlyvisible --name '^Tickvane$' | head -n1)"
sleep 1
if [ -n "${MENU:-}" ]; then
  case "$MENU" in File) x=20 ;; Options) x=68 ;; *) x=120 ;; esac
  xdotool mousemove --window "$window" "$x" 9 click 1
  sleep 0.5
  import -window root "$output"
elif [ -n "${DIALOG:-}" ]; then
  case "$DIALOG" in
    BigCharts) key=b title='BigCharts Options' ;;
    StockMaster) key=m title='StockMaster options' ;;
    StockPoint) key=p title='StockPoint Options' ;;
    Yahoo) key=y title='Yahoo Options' ;;
    *) echo "unknown DIALOG: $DIALOG" >&2; exit 2 ;;
  esac
  xdotool windowfocus --sync "$window" key alt+o
  sleep 0.5
  xdotool key "$key"
  dialog="$(xdotool search --sync --onlyvisible --name "^$title\$" | head -n1)"
  sleep 1
  import -window "$dialog" "$output"
else
  import -window "$window" "$output"
fi
echo "$output"
