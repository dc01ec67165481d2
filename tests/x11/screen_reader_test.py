#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The program (argument 1) as a screen reader meets it, over AT-SPI: its
buttons, lists and status line; then the check button pressed through its
action, the failure message box, and the caption "Provera (2)" read and
announced. Runs in a private D-Bus session on a virtual X server."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Belmora - Vokrantov test inteligencije"
CATEGORIES = ["Boja kuce", "Poreklo vlasnika", "Omiljeno pice", "Omiljeni sport", "Kucni ljubimac"]


def check(ok, message):
    if not ok:
        sys.exit("FAIL: " + message)


def wait_for(what, find, seconds=20):
    """Polls `find` while letting AT-SPI events in."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)
    check(False, "gave up waiting for " + what)


def walk(node):
    for child in node:
        if child is not None:
            yield child
            yield from walk(child)


def named(nodes, role):
    return {node.name: node for node in nodes if node.getRole() == role}


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, "%r has no press action: %r" % (node.name, names))
    action.doAction(names.index("Press"))


def main():
    announced = []
    pyatspi.Registry.registerEventListener(lambda event: announced.append(event.source_name),
                                           "object:property-change:accessible-name")
    program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        windows = lambda: [w for app in pyatspi.Registry.getDesktop(0)
                           if app is not None and app.get_process_id() == program.pid for w in app if w is not None]
        window = wait_for("the main window", lambda: next((w for w in windows() if w.name == TITLE), None))
        tree = list(walk(window))

        buttons = named(tree, pyatspi.ROLE_PUSH_BUTTON)
        check({"Provera (3)", "O Tesmiru Vokrantu", "O Programu", "Izlaz"} <= set(buttons), "buttons: %r" % buttons)
        check(buttons["O Programu"].queryAction().getKeyBinding(0) == "Alt+P", "no access key as shortcut")
        lists = set(named(tree, pyatspi.ROLE_COMBO_BOX))
        wanted = {"Kuca %d, %s" % (house, category) for category in CATEGORIES for house in range(1, 6)}
        check(lists == wanted, "lists: missing %r, unexpected %r" % (wanted - lists, lists - wanted))
        status = list(named(tree, pyatspi.ROLE_STATUS_BAR))
        check(status == ["Vreme za resavanje testa je: 30 minuta."], "status line: %r" % status)

        check_button = buttons["Provera (3)"]
        press(check_button)
        box = wait_for("the failure message box", lambda: next(
            (w for w in windows() if w.getRole() == pyatspi.ROLE_ALERT), None))
        texts = [node.name for node in walk(box)]
        check(box.name == TITLE and "Netacno! Pokusajte opet." in texts, "box %r: %r" % (box.name, texts))
        press(named(walk(box), pyatspi.ROLE_PUSH_BUTTON)["OK"])

        wait_for("the caption Provera (2)", lambda: check_button.clear_cache() or check_button.name == "Provera (2)")
        wait_for("its announcement", lambda: "Provera (2)" in announced, 5)
        print("ok: four buttons, 25 lists, status line, check pressed, failure box, Provera (2)")
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main()
