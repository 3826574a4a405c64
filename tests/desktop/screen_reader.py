#!/usr/bin/python3
"""What a screen reader reads of Tarnel, over the real AT-SPI bus.

Starts the real program inside session.sh and reads its accessibility tree
as Orca would:
  - every board cell in play is a push button named by its row, column
    and owner;
  - no control that can take the focus is without a name;
  - a move renames the taken cell, and the bus carries that change;
  - after the computer's reply the focused indicator tells where it played;
  - the same names in the about and help windows and a message box, and no
    press of a cell or score button takes effect under the about window.
With a LOCALE other than C only the last two are checked.

    screen_reader.py TARNEL_EXECUTABLE [LOCALE]
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

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


def unnamed(root, what):
    """Checks that no button, nor any control that can take the focus, under
    root is without a name."""
    for node in walk(root):
        if showing(node) and not node.name and (node.getRole() == pyatspi.ROLE_PUSH_BUTTON or
                                                node.getState().contains(pyatspi.STATE_FOCUSABLE)):
            check(False, f"{what}: a {node.getRoleName()} has no name")


def by_role(root, role):
    return [n for n in walk(root) if n.getRole() == role]


def press(node):
    """Presses a control without waiting for the answer: a press that opens
    a modal window answers only once that window is closed."""
    Atspi.set_timeout(300, -1)
    try:
        node.queryAction().doAction(0)
    except GLib.GError:
        pass
    finally:
        Atspi.set_timeout(-1, -1)


def modal_windows(app, window):
    """The about and help windows and a message box, as a screen reader meets them."""
    buttons = [b for b in by_role(window, pyatspi.ROLE_PUSH_BUTTON) if showing(b)]
    extents = {b: b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for b in buttons}
    # The first cell stands top left; the score buttons are the widest. The
    # help menu's two items come last: its contents, then about.
    first_cell = min(buttons, key=lambda b: (extents[b].y, extents[b].x))
    score = max(buttons, key=lambda b: extents[b].width)
    items = by_role(window, pyatspi.ROLE_MENU_ITEM)
    help_item, about_item = items[-2:]
    # The check items: those in a menu where one item is checked.
    checkable = [i for i in items if any(s.getState().contains(pyatspi.STATE_CHECKED)
                                         for s in i.parent)]

    def marks():
        return [i.getState().contains(pyatspi.STATE_CHECKED) for i in checkable]
    unchecked = [i for i in checkable if not i.getState().contains(pyatspi.STATE_CHECKED)
                 and i.getState().contains(pyatspi.STATE_ENABLED)][-3:]

    def others():
        return [w for w in app if w is not None and w != window and showing(w)]

    for control, what in ((about_item, "about window"), (help_item, "help window"),
                          (score, "message box")):
        press(control)
        check(eventually(lambda: len(others()) == 1), f"no {what} opened")
        for opened in others()[:1]:
            unnamed(opened, what)
            if opened.name != "Tarnel":  # about, help: the main window takes no press
                before = (first_cell.name, score.name, marks())
                press(first_cell)
                press(score)
                for item in unchecked:  # a level, a field, a mode
                    press(item)
                wait(1)
                check((first_cell.name, score.name, marks()) == before and len(others()) == 1,
                      f"a cell, score button or menu item took effect under the {what}")
            for button in by_role(opened, pyatspi.ROLE_PUSH_BUTTON):
                if button.getState().contains(pyatspi.STATE_FOCUSABLE):
                    press(button)  # OK closes it
        check(eventually(lambda: not others()), f"the {what} did not close")


def main():
    english = len(sys.argv) < 3 or sys.argv[2] == "C"
    environment = dict(os.environ)
    if not english:
        environment.update(LANG=sys.argv[2], LANGUAGE="", LC_ALL="", LC_MESSAGES="")
    program = subprocess.Popen([sys.argv[1]], env=environment)
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
        unnamed(window, "main window")
        # Red a person, yellow the computer: checked while the computer waits
        # for red's first move.
        modal_windows(app, window)
        if not english:
            return 0

        nodes = [n for n in walk(window) if showing(n)]
        cells = {}
        for node in nodes:
            match = CELL.match(node.name or "")
            if match:
                cells[(int(match[1]), int(match[2]))] = node
                check(node.getRole() == pyatspi.ROLE_PUSH_BUTTON,
                      f"{node.name}: role {node.getRoleName()}, not a push button")
        check(len(cells) == 136, f"{len(cells)} cells listed, 136 in play on Normal")

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
