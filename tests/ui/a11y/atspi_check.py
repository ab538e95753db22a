#!/usr/bin/python3
"""Reads a running Tessaline through the AT-SPI bus, as a screen reader does.

Finds the application, reads the main window's controls, brings the board up
(through Game > New Game unless it is shown already), reads squares by index
and by position, and marks one square through its menu action while listening
for the name change. Prints what it reads; exits 0 only if every check holds.
Run by scripts/a11y-test, which starts the display, the buses and the game.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

COLOURS = ["Yellow", "Orange", "Red", "Green", "Blue", "Purple"]
passes = []
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    (passes if condition else failures).append(what)
    return condition


def wait_for(find, seconds):
    deadline = time.monotonic() + seconds
    while True:
        found = find()
        if found is not None or time.monotonic() > deadline:
            return found
        time.sleep(0.2)


def find_application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "tessaline":
            return app
    return None


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def frame(app, name):
    for window in app:
        if window is not None and window.name == name and showing(window):
            return window
    return None


def descendants(root, depth=6):
    """Every object below root, not entering objects with many children."""
    found = []
    for child in root:
        if child is None:
            continue
        found.append(child)
        if depth > 0 and child.childCount < 100:
            found.extend(descendants(child, depth - 1))
    return found


def action_index(accessible, name):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == name.lower():
            return i
    return -1


def main():
    app = wait_for(find_application, 20)
    if not check(app is not None, "the application 'tessaline' is on the bus"):
        return 1
    print("     application %r, %d top-level windows" % (app.name, app.childCount))

    main_window = wait_for(lambda: frame(app, "Tessaline"), 10)
    if not check(main_window is not None, "main window 'Tessaline' is shown"):
        return 1
    controls = descendants(main_window)
    for role, kinds in ((pyatspi.ROLE_CHECK_BOX, "check boxes"),
                        (pyatspi.ROLE_RADIO_BUTTON, "radio buttons")):
        names = [c.name for c in controls if c.getRole() == role]
        print("     %s: %s" % (kinds, ", ".join(names)))
        check(names == COLOURS, "six %s named Yellow to Purple" % kinds)
    labels = [c.name for c in controls if c.getRole() == pyatspi.ROLE_LABEL]
    print("     labels: %s" % ", ".join(repr(n) for n in labels))
    check("Colors Scanned" in labels and "Guess" in labels, "the row headings are readable")
    yellow = [c for c in controls
              if c.getRole() == pyatspi.ROLE_RADIO_BUTTON and c.name == "Yellow"]
    check(bool(yellow) and yellow[0].getState().contains(pyatspi.STATE_CHECKED),
          "the Yellow guess is selected")

    board = frame(app, "Board")
    if board is None:
        items = [c for c in controls
                 if c.getRole() == pyatspi.ROLE_MENU_ITEM and c.name == "New Game"]
        if check(bool(items), "menu item 'New Game' found"):
            items[0].queryAction().doAction(0)
            print("     pressed Game > New Game")
        board = wait_for(lambda: frame(app, "Board"), 10)
    if not check(board is not None, "board window 'Board' is shown"):
        return 1
    grids = [c for c in descendants(board, 2) if c.childCount == 900]
    if not check(len(grids) == 1, "the board holds one object of 900 squares"):
        return 1
    grid = grids[0]
    first = grid.getChildAtIndex(0)
    corner = grid.getChildAtIndex(899)
    print("     square 0: %r, role %s, at %s" % (
        first.name, first.getRoleName(),
        first.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)))
    print("     square 899: %r, showing %s" % (corner.name, showing(corner)))
    check(first.name.startswith("Row 1, column 1: ") or first.name == "",
          "square 0 is named for row 1, column 1")
    check(showing(first), "square 0 is showing")

    square = grid.getChildAtIndex(31)
    box = square.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    hit = grid.queryComponent().getAccessibleAtPoint(
        box.x + box.width // 2, box.y + box.height // 2, pyatspi.DESKTOP_COORDS)
    check(hit is not None and hit.getIndexInParent() == 31,
          "the point at square 31's centre is square 31 (%r)" % (hit.name if hit else None))

    # Mark square 1 (a right click: no risk) and hear its name change.
    target = grid.getChildAtIndex(1)
    before = target.name
    heard = []

    def on_name(event):
        if event.source is not None and event.source.getIndexInParent() == 1:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    menu = action_index(target, "ShowMenu")
    check(menu >= 0, "square 1 offers the ShowMenu action, as a right click")

    def act():
        target.queryAction().doAction(menu)
        return False

    GLib.timeout_add(300, act)
    GLib.timeout_add(3000, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_name, "object:property-change:accessible-name")
    after = grid.getChildAtIndex(1).name
    print("     square 1: %r before, %r after marking; heard %r" % (before, after, heard))
    check(after != before, "marking square 1 changed its name")
    check(bool(heard), "the name change was announced on the bus")

    return 0 if not failures else 1


if __name__ == "__main__":
    status = main()
    print("%d passed, %d failed" % (len(passes), len(failures)))
    sys.exit(status if failures else 0)
