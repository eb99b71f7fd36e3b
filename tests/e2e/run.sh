#!/usr/bin/env bash
# Reads the program through the accessibility bus for controls without a name. Then drives the
# real program on a virtual display: drags the first type below the list with the
# mouse, deletes a stock and takes that back with Ctrl+Z; then with key strokes adds a type and
# a stock, presses two access keys in one burst (only the first command may run), brings in a
# watchlist of 200 symbols through its preview, changes a Yahoo option and two general
# options, adds twenty chart sites (a twenty-first is refused), renames, moves, tries and
# removes one, generates the pages and exits saving the settings; then checks the pages, the
# store file and the exit status, and adds the watchlist again with --add-list. Meanwhile a start on
# the same file brings the open window to the front and ends, and one that finds the window
# not answering says so. A second start that changes nothing must exit at once, without a
# question. A third takes a chart sites change back with Ctrl+Z, finds nothing and deletes
# nothing, is told that a named pipe is no list, and has nothing to save. Then a kill -9 and a
# SIGTERM with unsaved changes: Yes and No at the next start. Last, a stock added, the pages
# generated and an exit, all in German by its access keys.
# Prints one summary line; exits non-zero on any failure. Never runs longer than 300 s
# (it takes under a minute on an idle machine; a loaded one may need several times that).
# Usage: tests/e2e/run.sh PATH/TO/tickvane     (SCREEN=:N picks the display, else a free one;
# E2E_KEEP=1 keeps the settings file and the pages for a look after a failure)
set -euo pipefail
if [ -z "${E2E_INNER:-}" ]; then
  export E2E_INNER=1
  status=0
  timeout -k 5 300 "$0" "$@" || status=$?
  [ "$status" -eq 124 ] && echo "end-to-end test: FAILED, timed out after 300 s" >&2
  exit "$status"
fi

program="$(realpath "$1")"
work="$(mktemp -d)"
settings="$work/Tickvane.ini"
pages="$work/pages"
mkdir "$pages"
# The windows' sockets, a killed one's too, go with the work folder.
export XDG_RUNTIME_DIR="$work"
xvfb=""
app=""
other=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null && kill -CONT "$app"
  [ -n "$other" ] && kill "$other" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  if [ -n "${E2E_KEEP:-}" ]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT
fail() {
  echo "end-to-end test: FAILED, $*" >&2
  # A program that ended early has said why.
  if [ -n "$app" ] && ! kill -0 "$app" 2>/dev/null; then sed 's/^/  program: /' "$work/out.log" >&2; fi
  exit 1
}

# Xvfb picks a free display itself and writes its number to the file descriptor we give it.
# Without -noreset the server resets each time its last client leaves, and a program that
# connects during a reset is refused.
if [ -n "${SCREEN:-}" ]; then
  Xvfb "$SCREEN" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY="$SCREEN"
else
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  exec 3>&-
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
fi
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"

# Waits for a visible window titled exactly $1, other than window $2 if given (at most 15 s),
# gives it the keyboard and prints its id.
await() {
  local id=""
  for _ in $(seq 150); do
    id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-none}" | head -n1)" || true
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || fail "no window \"$1\" appeared"
  sleep 0.3
  focus "$id"
  echo "$id"
}
# Gives window $1 the keyboard (at most 10 s).
focus() {
  timeout 10 xdotool windowfocus --sync "$1" || fail "window $1 did not take the keyboard"
}
# Waits until window $1 has gone (at most 15 s).
gone() {
  for _ in $(seq 150); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$2\" did not close"
}
keys() { xdotool key --delay 60 "$@"; }
text() { xdotool type --delay 40 "$1"; }

start() {
  # Web addresses go to $work/browser: the desktop's lookup finds no other program.
  QT_QPA_PLATFORM=xcb BROWSER="$work/browser" XDG_CURRENT_DESKTOP= XDG_DATA_HOME="$work/none" \
    XDG_DATA_DIRS="$work/none" XDG_CONFIG_HOME="$work/none" XDG_CONFIG_DIRS="$work/none" \
    "$program" --settings "$settings" >"$work/out.log" 2>&1 &
  app=$!
  main="$(await Tickvane)"
}
# Waits up to $2 seconds for process $1 to end and sets status to its exit status; $3 says
# what it was doing.
ended() {
  for _ in $(seq $(($2 * 10))); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$1" 2>/dev/null && fail "$3: the program was still running after $2 s"
  status=0
  wait "$1" || status=$?
}
# Waits up to $1 seconds for the program to end and checks it ended with status 0.
finish() {
  ended "$app" "$1" "$2"
  app=""
  [ "$status" -eq 0 ] || fail "$2: exit status $status ($(tr '\n' ' ' <"$work/out.log"))"
}

# Whether window $1 lies above window $2 (xwininfo lists the top-most first), waiting up to 5 s.
above() {
  local top
  for _ in $(seq 50); do
    top="$(xwininfo -root -children | awk '{print $1}' | grep -xE "$(printf '0x%x|0x%x' "$1" "$2")" | head -n1)"
    [ "$top" = "$(printf '0x%x' "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

# First, read through the accessibility bus (on a session bus of its own) on a settings file of
# its own: every control named and the find bar's no-match said (tests/e2e/names.py). A chart
# site of its own enables the general options' choice of one.
printf 'Symbol,Name\nZZA,Wide Market Charts and Quotes of the Day\n' >"$work/names.csv"
printf '[ChartSites]\nCount=1\n[ChartSite1]\nName=Wide\nTemplate=https://w.test/{symbol}\nFileName=wide\n' \
  >"$work/names.ini"
status=0
timeout 90 dbus-run-session -- bash -c '
  /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)"  # up before the program
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$2/none" \
    "$1" --settings "$2/names.ini" >"$2/names.log" 2>&1 &
  /usr/bin/python3 "$3" "$2/names.csv" || { kill $!; exit 1; }
  wait $!' names "$program" "$work" "$(dirname "$0")/names.py" >"$work/names.err" 2>&1 || status=$?
[ "$status" -eq 0 ] ||
  fail "read through the accessibility bus: $(grep -v '^dbus-daemon\|^SpiRegistry' "$work/names.err" | tail -n 3)"
start
# A window on another settings file opens on top of the first; a start on the first one's file
# brings that window back to the front and ends at once.
QT_QPA_PLATFORM=xcb "$program" --settings "$work/other.ini" >"$work/other.log" 2>&1 &
other=$!
beside="$(await Tickvane "$main")"
above "$beside" "$main" || fail "the window on another settings file did not open on top"
status=0
QT_QPA_PLATFORM=xcb timeout 10 "$program" --settings "$settings" >"$work/again.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "a start on an open settings file: exit status $status"
above "$main" "$beside" || fail "a start on an open settings file did not raise its window"
kill "$other"
wait "$other" || true
other=""
# A window that does not answer: a start on its file says so and ends with status 1.
kill -STOP "$app"
QT_QPA_PLATFORM=xcb "$program" --settings "$settings" >"$work/again.log" 2>&1 &
other=$!
await Tickvane "$main" >/dev/null
keys Return
ended "$other" 15 "a start on the file of a window that does not answer"
other=""
kill -CONT "$app"
[ "$status" -eq 1 ] || fail "a start on the file of a window that does not answer: exit status $status"
focus "$main"
# The first type, Market Indices, dragged from the list's first row to the empty space below
# the list goes last.
xdotool mousemove --window "$main" 100 66 mousedown 1
for y in 75 90 120 160 200 250 290 300; do
  xdotool mousemove --window "$main" 100 "$y"
  sleep 0.05
done
xdotool mouseup 1
sleep 0.3
# Its first stock deleted, and back.
keys Down Delete ctrl+z
# A type.
keys alt+a
w="$(await 'New or updated type')"
text "E2E Growth"
keys alt+d
gone "$w" 'New or updated type'
# A stock below it.
focus "$main"
keys alt+s
w="$(await 'New or updated stock')"
text "E2EQ"
keys Tab Tab
text "End To End Quartz"
# Its exchange found by part of the market's name, in another case, and chosen from the offer.
keys alt+x
text "london"
keys Down Return alt+d
gone "$w" 'New or updated stock'
# Edit and Change type in one burst on the new stock: one command at a time, so only the
# editor opens; its Done leaves the list as it was.
focus "$main"
xdotool key --delay 5 alt+e alt+t
w="$(await 'New or updated stock')"
sleep 0.5
xdotool search --onlyvisible --name '^Change type$' >/dev/null 2>&1 &&
  fail "Alt+E Alt+T in one burst opened the editor and Change type"
keys alt+d
gone "$w" 'New or updated stock'
# A watchlist of 200 symbols in four types, through the file chooser and the preview.
{ for sector in Alpha Beta Gamma Delta; do
    printf '###E2E %s\n' "$sector"
    for n in $(seq 50); do printf 'NASDAQ:%s%02d,' "${sector:0:2}" "$n"; done
    echo
  done; } >"$work/watchlist.txt"
focus "$main"
keys alt+f
sleep 0.4
keys a
w="$(await Tickvane "$main")"
text "$work/watchlist.txt"
keys Return
w="$(await 'Add stocks from a list')"
keys Return
gone "$w" 'Add stocks from a list'
# Yahoo: the time period one step down the list.
focus "$main"
keys alt+o
sleep 0.4
keys y
w="$(await 'Yahoo Options')"
keys alt+t Down alt+d
gone "$w" 'Yahoo Options'
# General options: the pages go to the temporary folder, without line wraps.
focus "$main"
keys alt+o
sleep 0.4
keys g
w="$(await 'General options')"
keys alt+f ctrl+a
text "$pages"
keys alt+l alt+d
gone "$w" 'General options'
# Chart sites: twenty added from the presets in turn, a twenty-first refused; the last one
# renamed, moved up and tried in the "browser"; the first one removed after the question.
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/browsed" >"$work/browser"
chmod +x "$work/browser"
focus "$main"
keys alt+o
sleep 0.4
keys s
sites="$(await 'Chart sites')"
for n in $(seq 20); do
  keys alt+a
  w="$(await 'Add a chart site' "$sites")"
  for _ in $(seq $(((n - 1) % 6 + 1))); do keys Down; done
  keys Return
  gone "$w" 'Add a chart site'
  w="$(await 'Chart site' "$sites")"
  keys Return
  gone "$w" 'Chart site'
  focus "$sites"
done
keys alt+a
w="$(await Tickvane "$main")"
keys Return
gone "$w" Tickvane
focus "$sites"
keys alt+s End alt+e
w="$(await 'Chart site' "$sites")"
keys alt+n ctrl+a
text "E2E Renamed"
keys Return
gone "$w" 'Chart site'
focus "$sites"
keys alt+u alt+t
for _ in $(seq 50); do [ -s "$work/browsed" ] && break; sleep 0.1; done
grep -q '^https://www.tradingview.com/chart/?symbol=' "$work/browsed" 2>/dev/null \
  || fail "Try did not open the renamed TradingView site's chart ($(cat "$work/browsed" 2>/dev/null))"
keys alt+s Home Down Down Down Down alt+r
w="$(await Tickvane "$main")"
keys alt+y
gone "$w" Tickvane
# Finviz's symbol forms by keys: XLON added, then changed with Enter on its row; XETR added and
# removed with Delete.
focus "$sites"
keys alt+s Home Down Down Down Down Down Down alt+f
forms="$(await 'Symbol forms of Finviz' "$sites")"
# Waits for the row editor opened by key $1, types form $3 (after exchange $2 if given), Done.
form_row() {
  keys "$1"
  w="$(await 'Symbol form' "$forms")"
  [ -n "$2" ] && text "$2"
  keys alt+f ctrl+a
  text "$3"
  keys alt+d
  gone "$w" 'Symbol form'
  focus "$forms"
}
form_row alt+a XLON '{symbol}.X'
keys alt+s
form_row Return "" '{symbol}.L'
form_row alt+a XETR '{symbol}.DE'
keys alt+s End Delete alt+d
gone "$forms" 'Symbol forms of Finviz'
focus "$sites"
keys alt+d
gone "$sites" 'Chart sites'
# Generate, confirm the message, exit and save.
focus "$main"
keys alt+g
w="$(await Tickvane "$main")"
keys Return
gone "$w" Tickvane || true
focus "$main"
keys alt+f
sleep 0.4
keys x
w="$(await Tickvane "$main")"
keys alt+y
finish 15 "first run"

page="$pages/yahoo.html"
[ -f "$page" ] || fail "no $page (files: $(ls "$pages"))"
grep -q 'E2E&nbsp;Growth' "$page" || fail "the new type is missing in yahoo.html (or wraps)"
grep -q 'E2EQ' "$page" || fail "the new stock is missing in yahoo.html"
grep -q 'End&nbsp;To&nbsp;End&nbsp;Quartz' "$page" || fail "no &nbsp; in the stock's name"
grep -q 's=E2EQ' "$page" || fail "no chart address for the new stock in yahoo.html"
grep -Eq 'E2EQ[^"]*&(amp;)?d=3m' "$page" || fail "the stock's chart address lacks the chosen time period (d=3m)"
for key in '^Type[0-9]+=E2E Growth$' '^Stock[0-9]+=E2EQ$' '^Description[0-9]+=End To End Quartz$' \
           '^NoLineWraps=True$' "^HtmlDir=$pages/?\$" '^TimePeriod=2$'; do
  grep -Eq "$key" "$settings" || fail "the store file lacks a line $key"
done
[ "$(grep -c '^Stock[0-9]*=E2EQ$' "$settings")" -eq 1 ] || fail "the new stock is not stored exactly once"
e2eq="$(sed -n 's/^Stock\([0-9]*\)=E2EQ$/\1/p' "$settings")"
grep -q "^Exchange$e2eq=XLON\$" "$settings" || fail "the new stock's exchange is not stored as Exchange$e2eq=XLON"
grep -q '^Count=19$' "$settings" || fail "the store does not hold 19 chart sites"
grep -A1 '^\[ChartSite18\]$' "$settings" | grep -q '^Name=E2E Renamed$' \
  || fail "the renamed site is not the 18th chart site"
grep -q '^Name=Yahoo Finance$' "$settings" && fail "the removed first chart site is still stored"
[ -f "$pages/tradingview-4.html" ] || fail "no page of the renamed site, tradingview-4.html"
sed -n '/^Name=Finviz$/,/^\[/p' "$settings" | grep -Fxq 'SymbolForms="XLON={symbol}.L"' \
  || fail "the store lacks Finviz's symbol forms, the line SymbolForms=\"XLON={symbol}.L\""

[ "$(grep -Ec '^Stock[0-9]+=(AL|BE|GA|DE)[0-9][0-9]$' "$settings")" -eq 200 ] \
  || fail "the store lacks the 200 symbols of the watchlist"
grep -q '^Type[0-9]*=E2E Delta$' "$settings" || fail "the watchlist's types are missing in the store"
for key in '^Type2=Market Indices$' '^Lowstock2=5$' '^Description5=Dow Industrials$'; do
  grep -q "$key" "$settings" || fail "the dragged type or its undone stock is not in place: no line $key"
done

# The same watchlist again from the command line: every row a duplicate, still no failure.
"$program" --settings "$settings" --add-list - <"$work/watchlist.txt" >"$work/add.log" 2>&1 \
  || fail "--add-list failed: $(tail -n1 "$work/add.log")"
grep -q '^0 added, 0 new types, 204 duplicates, 0 refused$' "$work/add.log" \
  || fail "--add-list summary: $(tail -n1 "$work/add.log")"

# A second start that changes nothing ends at once, without a question.
start
keys alt+f
sleep 0.4
keys x
finish 5 "second run"

# A third start: a change in Chart sites taken back with Ctrl+Z; the find bar's text first
# matches Dow Industrials, then nothing, so the first type is selected again and Delete only
# says it still has stocks. Nothing is left to save.
cp "$settings" "$work/before.ini"
start
keys alt+o
sleep 0.4
keys s
w="$(await 'Chart sites')"
keys alt+p alt+d
gone "$w" 'Chart sites'
focus "$main"
keys ctrl+z ctrl+f
text "Dow"
text "zzz"
keys Escape Delete
w="$(await Tickvane "$main")"
keys Return
gone "$w" Tickvane
# A named pipe chosen as a list is refused at once with a message; the window goes on.
mkfifo "$work/pipe.csv"
focus "$main"
keys alt+f
sleep 0.4
keys a
w="$(await Tickvane "$main")"
text "$work/pipe.csv"
keys Return
gone "$w" Tickvane
w="$(await Tickvane "$main")"
keys Return
gone "$w" Tickvane
focus "$main"
keys alt+f
sleep 0.4
keys x
finish 5 "third run"
cmp -s "$settings" "$work/before.ini" || fail "the third run changed the store file"

# Killed with a type added and not saved: batch commands leave the recovery file alone, the
# next start offers it, Yes restores the type and a save keeps it.
recovery="$settings.recovery"
# Adds a type named $1 by keys and waits up to 5 s for the recovery file to hold it.
add_type() {
  focus "$main"
  keys alt+a
  w="$(await 'New or updated type')"
  text "$1"
  keys alt+d
  gone "$w" 'New or updated type'
  for _ in $(seq 50); do grep -q "=$1\$" "$recovery" 2>/dev/null && return 0; sleep 0.1; done
  fail "the recovery file does not hold the new type $1"
}
start
add_type "E2E Recovered"
{ kill -KILL "$app" && wait "$app"; } 2>/dev/null || true
app=""
"$program" --settings "$settings" --export "$work/before.reg" >/dev/null 2>&1 || fail "--export beside a recovery file failed"
[ -f "$recovery" ] || fail "a batch command removed the recovery file"
grep -q 'E2E Recovered' "$work/before.reg" && fail "--export read the recovery file"
# Answers the question at start-up with key $1 and waits for the window.
answer() {
  local question="$main"
  keys "$1"
  for _ in $(seq 150); do
    xdotool search --onlyvisible --name '^Tickvane$' 2>/dev/null | grep -qx "$question" || break
    sleep 0.1
  done
  main="$(await Tickvane "$question")"
}
start
answer alt+y
keys alt+f
sleep 0.4
keys s
for _ in $(seq 30); do [ -f "$recovery" ] || break; sleep 0.1; done
[ -f "$recovery" ] && fail "the recovery file outlived the save"
"$program" --settings "$settings" --export "$work/after.reg" >/dev/null 2>&1 || fail "--export after the restore failed"
grep -q '^"Type[0-9]*"="E2E Recovered"' "$work/after.reg" || fail "Yes did not restore the type added before kill -9"
# SIGTERM ends as Exit would without asking: status 0, no lock, the change in the recovery
# file; No at the next start removes it and keeps the store.
add_type "E2E Terminated"
kill -TERM "$app"
finish 10 "SIGTERM"
[ -e "$settings.lock" ] && fail "SIGTERM left the lock behind"
start
answer alt+n
[ -f "$recovery" ] && fail "No left the recovery file behind"
keys alt+f
sleep 0.4
keys x
finish 5 "after No"
grep -q 'E2E Terminated' "$settings" && fail "No kept the changes of the terminated session"
# In German, by keyboard with its access keys: a stock added, the pages generated and the
# program left saving; the pages are written as in any other language.
mkdir "$work/pages-de"
printf '[General]\nHtmlDir=%s/pages-de/\n' "$work" >"$work/de.ini"
LANGUAGE= LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 settings="$work/de.ini" start
keys alt+a
w="$(await 'Neue oder ge.*nderte Aktie')"
text "E2EDE"
keys Tab Tab
text "Deutsche Probe"
keys alt+f
gone "$w" 'Neue oder ge.*nderte Aktie'
focus "$main"
keys alt+z
w="$(await Tickvane "$main")"
keys Return
gone "$w" Tickvane || true
focus "$main"
keys alt+d
sleep 0.4
keys b
w="$(await Tickvane "$main")"
keys alt+j
finish 15 "German run"
grep -q 'E2EDE' "$work/pages-de/yahoo.html" || fail "the stock added in German is missing in yahoo.html"
grep -q 'Produced by Tickvane' "$work/pages-de/blank.html" || fail "blank.html in German is not the English page"
grep -q 'Deutsche Probe' "$work/de.ini" || fail "the stock added in German was not saved"
echo "end-to-end test: passed (every control named on the accessibility bus, one window per settings file, a drag, an undo, type, stock, a burst of two commands, a 200-symbol watchlist, Yahoo and general options, twenty chart sites, pages, store, exit, --add-list, an option change undone, a find without a match, a named pipe refused, kill -9 and SIGTERM with recovery, a stock and pages in German)"
