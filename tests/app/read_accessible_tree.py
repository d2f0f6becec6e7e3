#!/usr/bin/python3
# Reads the running game over the AT-SPI bus as a screen reader does: the
# main window's buttons, the menu titles and the board, met once, as a table
# of named blocks with its counters, then each dialog's buttons, boxes, swatches and a number picker,
# whose value it reads and sets.
import re
import sys
import time

import pyatspi


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def nodes(root, depth=0):
    if root is None or depth > 12:
        return
    yield root
    for k in range(root.childCount):
        yield from nodes(root.getChildAtIndex(k), depth + 1)


def wait_for(what, probe, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # the tree may change under a read; look again
            found = None
        if found is not None:
            return found
        time.sleep(0.2)
    fail("no " + what)


def game():
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Kolumo":
                return app
        return None
    return wait_for("application called Kolumo", probe)


def find(root, role, name, seconds=20):
    def probe():
        for node in nodes(root):
            if node.getRoleName() == role and node.name == name:
                return node
        return None
    return wait_for("%s called %r" % (role, name), probe, seconds)


def press(node):
    action = node.queryAction()
    names = [action.getName(k).lower() for k in range(action.nActions)]
    if "press" not in names:
        fail("%r has no press action, only %s" % (node.name, names))
    action.doAction(names.index("press"))


def dialog(app, title):
    return find(app, "dialog", title)


app = game()
for caption in ["New", "Retry", "Prefs", "Options", "Solve", "Undo", "Help", "About", "Quit"]:
    find(app, "push button", caption)
unnamed = [n for n in nodes(app) if n.getRoleName() == "push button" and not n.name]
if unnamed:
    fail("%d unnamed push buttons in the main window" % len(unnamed))

def board_table():
    for node in nodes(app):
        if node.getRoleName() == "table" and node.name.startswith("Board"):
            return node
    return None


board = wait_for("table called Board", board_table)
# The board once: no second object (a button that holds the focus) by its name.
boards = ["%s %r" % (n.getRoleName(), n.name) for n in nodes(app) if n.name.startswith("Board")]
if boards != ["table 'Board'"]:
    fail("the board is met as %s" % boards)
# The menu titles by their words, without the padding that widens them on screen.
bar = wait_for("menu bar", lambda: next((n for n in nodes(app) if n.getRoleName() == "menu bar"), None))
titles = [bar.getChildAtIndex(k).name for k in range(bar.childCount)]
if titles != ["File", "Prefs", "Help"]:
    fail("the menu titles read %r" % titles)
table = board.queryTable()
if (table.nRows, table.nColumns) != (3, 12):
    fail("the board reads as %d rows of %d, not 3 of 12" % (table.nRows, table.nColumns))
for row in range(3):
    # A row's blocks stand together in the middle, as drawn; the rest read "empty".
    names = [table.getAccessibleAt(row, column).name for column in range(12)]
    length = len([name for name in names if name != "empty"])
    lead = (12 - length) // 2
    if length == 0 or any(name == "empty" for name in names[lead:lead + length]):
        fail("row %d reads %s" % (row, names))
    for column in range(lead, lead + length):
        cell = table.getAccessibleAt(row, column)
        if cell.getRoleName() != "table cell" or not re.fullmatch(r"[a-z ]+, [a-z ]+", cell.name):
            fail("block (%d, %d) reads as %s %r" % (row, column, cell.getRoleName(), cell.name))
        end = column in (lead, lead + length - 1)
        if (cell.description == "row end") != end:
            fail("block (%d, %d) of a row of %d: told %r" % (row, column, length, cell.description))
counters = [n.name for n in board if n.getRoleName() == "label"]
if len(counters) != 5 or not all(re.fullmatch(r"[a-z ]+: \d+ left", name) for name in counters):
    fail("the counters read %s" % counters)

press(find(app, "push button", "Options"))
options = dialog(app, "Kolumo Rez Options")
for caption in ["OK", "Cancel", "Default", "Visit Website", "Fewer colours", "More colours",
                "Narrower rows", "Wider rows", "Lower maximum", "Higher maximum"]:
    find(options, "push button", caption)
colours = find(options, "spin button", "No. of Colours")
value = colours.queryValue()
if (value.currentValue, value.minimumValue, value.maximumValue) != (5, 2, 10):
    fail("colours picker reads %s in [%s, %s], not 5 in [2, 10]"
         % (value.currentValue, value.minimumValue, value.maximumValue))
value.currentValue = 7
if colours.queryValue().currentValue != 7:
    fail("setting the colours picker to 7 left it at %s" % colours.queryValue().currentValue)
press(find(options, "push button", "Cancel"))
wait_for("closing of the options dialog",
         lambda: True if all(n.name != "Kolumo Rez Options" for n in app) else None)

press(find(app, "push button", "Prefs"))
prefs = dialog(app, "Kolumo - Preferences")
for caption in ["OK", "Cancel", "Default", "Set Music Dir", "Colour 1: red", "Colour 10: purple"]:
    find(prefs, "push button", caption)
for caption in ["Sound effects?", "Music?", "Ironman (starting with next game, will not auto-solve) ?",
                "Anti-aliasing (smoother numbers and symbols) ?"]:
    find(prefs, "check box", caption)
press(find(prefs, "push button", "Cancel"))
print("accessibility: all checks passed")
