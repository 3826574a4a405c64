#!/usr/bin/python3
"""What a screen reader reads of Tarnel, over the real AT-SPI bus.

Starts the real program inside session.sh and reads its accessibility tree
as Orca would:
  - every board cell in play is a push button named by its row, column
    and owner;
  - no control that can take the focus is without a name;
  - a move renames the taken cell, and the bus carries that change;
  - after the computer's reply the focused indicator tells where it played.

    screen_reader.py TARNEL_EXECUTABLE
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CELL = re.compile(r"^Row (\d+), column (\d+), (free|red|yellow)$")
REPLY = re.compile(r"^Red to move\. Yellow took row (\d+), column (\d+)\.$")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def wait(seconds):
    """Runs the bus's main loop for a while, so that events arrive."""
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def eventually(condition, seconds=10):
    """Runs the main loop until condition() holds; its last value."""
    deadline = time.monotonic() + seconds
    while not condition() and time.monotonic() < deadline:
        wait(0.1)
    return condition()


def find_app(pid):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def main_window(app):
    """The main window once it is showing (after the splash)."""
    for _ in range(100):
        for window in app:
            if window is not None and window.name == "Tarnel" and \
                    window.getState().contains(pyatspi.STATE_SHOWING):
                return window
        wait(0.1)
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = find_app(program.pid)
        check(app is not None, "the program is not on the accessibility bus")
        if app is None:
            return 1
        window = main_window(app)
        check(window is not None, "the main window did not show")
        if window is None:
            return 1
        wait(0.5)

        nodes = [n for n in walk(window) if showing(n)]
        cells = {}
        for node in nodes:
            match = CELL.match(node.name or "")
            if match:
                cells[(int(match[1]), int(match[2]))] = node
                check(node.getRole() == pyatspi.ROLE_PUSH_BUTTON,
                      f"{node.name}: role {node.getRoleName()}, not a push button")
        check(len(cells) == 136, f"{len(cells)} cells listed, 136 in play on Normal")
        for node in nodes:
            state = node.getState()
            if state.contains(pyatspi.STATE_FOCUSABLE) and not node.name:
                check(False, f"a focusable {node.getRoleName()} has no name")

        renamed = []

        def on_name(event):
            renamed.append(event.source.name)

        pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
        first = cells.get((1, 1))
        check(first is not None and first.name == "Row 1, column 1, free",
              "cell 1, 1 is not free at the start")
        first.queryAction().doAction(0)  # Press: red, a person, takes it
        check(eventually(lambda: "Row 1, column 1, red" in renamed),
              "no name-change event for the taken cell")
        check(first.name == "Row 1, column 1, red", f"the taken cell reads '{first.name}'")

        # The computer's yellow replies on the next tick, and the focus
        # comes back to red's indicator.
        def focused():
            return [n for n in walk(window)
                    if n.getState().contains(pyatspi.STATE_FOCUSED) and REPLY.match(n.name or "")]
        eventually(lambda: len(focused()) == 1)
        focused = [n for n in walk(window) if n.getState().contains(pyatspi.STATE_FOCUSED)]
        check(len(focused) == 1, f"{len(focused)} controls have the focus")
        if focused:
            reply = REPLY.match(focused[0].name or "")
            check(reply is not None, f"the focused indicator reads '{focused[0].name}'")
            if reply:
                cell = cells.get((int(reply[1]), int(reply[2])))
                check(cell is not None and cell.name.endswith(", yellow"),
                      "the cell named in the reply is not yellow")
        pyatspi.Registry.deregisterEventListener(on_name, "object:property-change:accessible-name")
    finally:
        program.terminate()
        program.wait(10)
    print(f"{len(failures)} failed" if failures else "the screen reader reads what it should")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
