#!/usr/bin/env bash
# Starts the program natively on a headless Wayland compositor (weston) and drives it through
# the accessibility bus: presses "Generate web pages", then File > Exit; checks the pages and
# a clean exit. Prints one summary line; exits non-zero on any failure, within 120 s.
# Debian's own python3 runs the driver, since pyatspi comes from Debian (python3-pyatspi).
# Usage: tests/wayland/run.sh PATH/TO/tickvane
set -euo pipefail
if [ -z "${WAYLAND_INNER:-}" ]; then
  export WAYLAND_INNER=1
  status=0
  # The session bus and the accessibility services it starts chat on stderr; only ours counts.
  timeout -k 5 120 dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon\|^SpiRegistry' >&2) \
    || status=$?
  [ "$status" -eq 124 ] && echo "Wayland test: FAILED, timed out after 120 s" >&2
  exit "$status"
fi

program="$(realpath "$1")"
work="$(mktemp -d)"
chmod 700 "$work"
weston=""
cleanup() {
  [ -n "$weston" ] && kill "$weston" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "Wayland test: FAILED, $*" >&2
  [ -s "$work/out.log" ] && sed 's/^/  program: /' "$work/out.log" >&2
  exit 1
}

export XDG_RUNTIME_DIR="$work" WAYLAND_DISPLAY=wayland-tickvane QT_QPA_PLATFORM=wayland
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$work/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$work/$WAYLAND_DISPLAY" ] || fail "weston did not start"

mkdir "$work/pages"
printf '[General]\nHtmlDir=%s/pages/\n' "$work" >"$work/Tickvane.ini"
# The program joins the accessibility bus only if that is up when it starts.
/usr/bin/python3 -c 'import pyatspi; pyatspi.Registry.getDesktop(0)'
"$program" --settings "$work/Tickvane.ini" >"$work/out.log" 2>&1 &
app=$!
/usr/bin/python3 - <<'PY' || { kill "$app" 2>/dev/null; fail "the window could not be driven"; }
import time
import pyatspi

# The button's caption breaks over two lines.
def find(root, role, name):
    return pyatspi.findDescendant(
        root, lambda n: n.getRoleName() == role and " ".join(n.name.split()) == name)

def press(node):
    actions = node.queryAction()
    actions.doAction(0)

def wait_for(what, look):
    for _ in range(100):
        found = look()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit("no " + what)

def application():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Tickvane"), None)

app = wait_for("Tickvane on the accessibility bus", application)
press(wait_for("Generate web pages button", lambda: find(app, "push button", "Generate web pages")))
wait_for("report of the pages", lambda: find(app, "label", "Pages generated."))
press(find(app, "push button", "OK"))
# The menu takes no command while the report is still up.
wait_for("report closed", lambda: not find(app, "label", "Pages generated."))
press(wait_for("File > Exit", lambda: find(app, "menu item", "Exit")))
PY
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program exited with status $status"
for page in blank.html bigcharts.frame.html bigcharts.html; do
  [ -s "$work/pages/$page" ] || fail "$page was not written"
done
grep -q 'Produced by Tickvane' "$work/pages/blank.html" || fail "blank.html is not the program's"
echo "Wayland test: passed (generated the pages and exited cleanly on weston)"
