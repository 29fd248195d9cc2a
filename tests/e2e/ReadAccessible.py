#!/usr/bin/python3
# A real accessibility client: reads the running game through the desktop's
# accessibility bus (AT-SPI), as a screen reader does.
#
#   ReadAccessible.py tree           the game's tree of roles and names, trimmed
#   ReadAccessible.py board          rows and columns of the board table
#   ReadAccessible.py row N          the names of the cells of row N (from 1)
#   ReadAccessible.py stock          the names of the seven stock buttons
#   ReadAccessible.py label PREFIX   the name of the first label starting so
#   ReadAccessible.py focus SECONDS  "listening", then for that long the
#                                    name of each object that gains the focus
#
# Each prints one answer per line; exit code 1 when the game or the asked
# object cannot be found within the wait.
import sys
import time

import pyatspi

WAIT_SECONDS = 30


def game_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(WAIT_SECONDS * 2):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Glyphmason":
                return app
        time.sleep(0.5)
    sys.exit("no application named Glyphmason on the accessibility bus")


def walk(node, depth=0):
    yield node, depth
    role = node.getRole()
    # A table's cells and a combo box's items are listed by their counts only.
    if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST):
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find(predicate):
    for _ in range(WAIT_SECONDS * 2):
        for node, _depth in walk(game_application()):
            if predicate(node):
                return node
        time.sleep(0.5)
    sys.exit("not found on the accessibility bus")


def board():
    return find(lambda n: n.getRole() == pyatspi.ROLE_TABLE and n.name == "Board")


def listen_for_focus(seconds):
    from gi.repository import GLib

    def focused(event):
        if event.detail1 == 1:
            print(event.source.name, flush=True)

    game_application()
    pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
    print("listening", flush=True)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def main(args):
    what = args[0]
    if what == "tree":
        for node, depth in walk(game_application()):
            count = f" [{node.childCount}]" if node.childCount else ""
            print(f"{'  ' * depth}{node.getRoleName()} '{node.name}'{count}")
    elif what == "board":
        table = board().queryTable()
        print(f"{table.nRows} {table.nColumns}")
    elif what == "row":
        table = board().queryTable()
        row = int(args[1]) - 1
        for column in range(table.nColumns):
            print(table.getAccessibleAt(row, column).name)
    elif what == "stock":
        group = find(lambda n: n.getRole() == pyatspi.ROLE_PANEL and n.name == "Stock letters")
        for i in range(group.childCount):
            child = group.getChildAtIndex(i)
            if child.getRole() == pyatspi.ROLE_PUSH_BUTTON and child.name[:2] in [
                    f"{slot}:" for slot in range(1, 8)]:
                print(child.name)
    elif what == "label":
        prefix = args[1]
        print(find(lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.name.startswith(prefix)).name)
    elif what == "focus":
        listen_for_focus(float(args[1]))
    else:
        sys.exit(f"unknown question: {what}")


if __name__ == "__main__":
    main(sys.argv[1:])
