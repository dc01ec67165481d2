#!/usr/bin/python3
"""The program as a screen reader meets it, over AT-SPI.

Starts the program (argument 1) with accessibility on, walks its tree,
finds the four buttons by role and name, the 25 lists by name and the
status line, then presses the check button through its action: the failure
message box appears, its OK button closes it, and the check button's new
name "Provera (2)" is read and has been announced.

Runs inside a private D-Bus session and a virtual X server (see
tests/CMakeLists.txt); exits non-zero with a message on the first failure.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Belmora - Vokrantov test inteligencije"
HOUSES = range(1, 6)
CATEGORIES = ["Boja kuce", "Poreklo vlasnika", "Omiljeno pice", "Omiljeni sport", "Kucni ljubimac"]

name_changes = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    """Lets the AT-SPI events in for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, find, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.1)
    fail("gave up waiting for " + what)


def walk(node):
    """Every object under `node`, depth first, as a screen reader's review does."""
    for child in node:
        if child is None:
            continue
        yield child
        yield from walk(child)


def fresh_name(node):
    node.clear_cache()
    return node.name


def the_app(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def by_role(app, role):
    return [node for node in walk(app) if node.getRole() == role]


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%r has no press action, only %r" % (node.name, names))
    action.doAction(names.index("Press"))


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([sys.argv[1]], env=env)
    pyatspi.Registry.registerEventListener(
        lambda event: name_changes.append(event.source_name), "object:property-change:accessible-name")
    try:
        app = wait_for("the program on the accessibility bus", lambda: the_app(program.pid))
        window = wait_for("the main window", lambda: next((w for w in app if w is not None and w.name == TITLE), None))

        buttons = {b.name: b for b in by_role(window, pyatspi.ROLE_PUSH_BUTTON)}
        for name in ["Provera (3)", "O Tesmiru Vokrantu", "O Programu", "Izlaz"]:
            if name not in buttons:
                fail("no push button %r among %r" % (name, sorted(buttons)))
        check = buttons["Provera (3)"]
        if not check.getState().contains(pyatspi.STATE_FOCUSABLE):
            fail("the check button cannot take the focus")
        if check.queryAction().getKeyBinding(0) != "" or buttons["O Programu"].queryAction().getKeyBinding(0) != "Alt+P":
            fail("the access keys are not the buttons' shortcuts")

        lists = {c.name for c in by_role(window, pyatspi.ROLE_COMBO_BOX)}
        wanted = {"Kuca %d, %s" % (house, category) for category in CATEGORIES for house in HOUSES}
        if lists != wanted:
            fail("lists differ: missing %r, unexpected %r" % (sorted(wanted - lists), sorted(lists - wanted)))

        status = [s.name for s in by_role(window, pyatspi.ROLE_STATUS_BAR)]
        if status != ["Vreme za resavanje testa je: 30 minuta."]:
            fail("status line reads %r" % status)

        press(check)
        box = wait_for("the failure message box",
                       lambda: next((w for w in app if w is not None and w.getRole() == pyatspi.ROLE_ALERT), None))
        texts = [node.name for node in walk(box)]
        if box.name != TITLE or "Netacno! Pokusajte opet." not in texts:
            fail("message box %r says %r" % (box.name, texts))
        press(next(node for node in by_role(box, pyatspi.ROLE_PUSH_BUTTON) if node.name == "OK"))

        wait_for("the caption Provera (2)", lambda: fresh_name(check) == "Provera (2)")
        wait_for("the announcement of the new caption", lambda: "Provera (2)" in name_changes, 5)
        print("ok: buttons, 25 lists, status line, check pressed, failure box, Provera (2)")
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main()
