# Reads the running program through the accessibility bus as a screen reader does: the window
# with its find bar open, the general options and the preview of a list must name every control
# the keyboard reaches, by a name that is not its text or one of its entries; the find bar's
# field must say, and announce, when its text matches nothing. Ends the program with File > Exit.
# Usage (on the program's session bus): python3 names.py LIST-FILE
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

# Items of lists, tables and menus are read by their text; the lists themselves are controls.
ITEMS = {"table cell", "list item", "tree item", "menu item", "menu", "column header"}
VIEWS = {"table", "list", "tree", "tree table"}


def find(root, role, name):
    return pyatspi.findDescendant(
        root, lambda n: n.getRoleName() == role and " ".join(n.name.split()) == name)


def press(node):
    node.queryAction().doAction(0)


# The file chooser runs in the command's own event loop: the press is answered only when the
# chooser closes, so it is not waited for.
def press_for_chooser(node):
    Atspi.set_timeout(500, -1)
    try:
        press(node)
    except GLib.GError:
        pass
    Atspi.set_timeout(-1, -1)


def wait_for(what, look):
    for _ in range(100):
        found = look()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit("no " + what)


def shown(root, role, name):
    node = find(root, role, name)
    return node if node and node.getState().contains(pyatspi.STATE_SHOWING) else None


def held(node):
    texts = set()
    if "Text" in pyatspi.listInterfaces(node):
        texts.add(node.queryText().getText(0, -1))
    if node.getRoleName() == "combo box" and node.childCount:
        entries = node.getChildAtIndex(0)
        texts.update(entries.getChildAtIndex(i).name for i in range(entries.childCount))
    return texts


def unnamed(root):
    found = []
    for node in root:
        states = node.getState() if node else None
        if not states or not states.contains(pyatspi.STATE_SHOWING):
            continue
        role = node.getRoleName()
        if states.contains(pyatspi.STATE_FOCUSABLE) and role not in ITEMS:
            if not node.name.strip() or node.name in held(node):
                found.append('%s "%s"' % (role, node.name))
        if role not in ITEMS | VIEWS:
            found += unnamed(node)
    return found


def all_named(root, where):
    bad = unnamed(root)
    if bad:
        raise SystemExit("controls without a name of their own in " + where + ": " + ", ".join(bad))


def application():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Tickvane"), None)


app = wait_for("Tickvane on the accessibility bus", application)
press(wait_for("Edit > Find", lambda: find(app, "menu item", "Find…")))
field = wait_for("the find field", lambda: shown(app, "text", "Find"))
all_named(find(app, "frame", "Tickvane"), "the window")
# The change is announced, as a screen reader hears it while the field has the focus.
heard = []


def hear(event):
    heard.append(event.source.description)
    GLib.source_remove(limit)
    pyatspi.Registry.stop()


pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-description")
GLib.timeout_add(200, lambda: field.queryEditableText().setTextContents("zzz") and False)
limit = GLib.timeout_add(10000, pyatspi.Registry.stop)
pyatspi.Registry.start()
pyatspi.Registry.deregisterEventListener(hear, "object:property-change:accessible-description")
if heard != ["No match"] or field.description != "No match":
    raise SystemExit("no match not announced: heard %s" % heard)
field.queryEditableText().setTextContents("ib")
wait_for("a match no longer said to be none", lambda: field.description != "No match")

press(find(app, "menu item", "General"))
options = wait_for("the general options", lambda: shown(app, "dialog", "General options"))
all_named(options, "the general options")
press(find(options, "push button", "Cancel"))
# A press is a click shown for a moment: until the dialog has closed, the window refuses commands.
wait_for("the general options closed", lambda: not options.getState().contains(pyatspi.STATE_SHOWING))

press_for_chooser(find(app, "menu item", "Add stocks from list…"))
chooser = wait_for("the file chooser", lambda: shown(app, "dialog", "Tickvane"))
find(chooser, "text", "File name:").queryEditableText().setTextContents(sys.argv[1])
press(find(chooser, "push button", "Open"))
preview = wait_for("the list preview", lambda: shown(app, "dialog", "Add stocks from a list"))
all_named(preview, "the list preview")
press(find(preview, "push button", "Cancel"))
wait_for("the preview closed", lambda: not shown(app, "dialog", "Add stocks from a list"))
press(find(app, "menu item", "Exit"))
