#!/usr/bin/python3
"""Presses the real program's buttons through the accessibility bus, as a screen reader does,
and reads the die's keyboard shortcut: the one way into a program on a compositor that takes
no injected input.

usage: atspi_press.py BUTTON... ; prints the die's key binding last."""
import sys
import time

import pyatspi


def application(name, seconds=20):
    for _ in range(seconds * 10):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.1)
    sys.exit(f"no application {name} on the accessibility bus")


def find(node, name):
    if node.name == name:
        return node
    for child in node:
        found = find(child, name) if child is not None else None
        if found:
            return found
    return None


def main():
    app = application("brimblet")
    for button in sys.argv[1:]:
        control = find(app, button)
        if control is None:
            sys.exit(f"no control {button!r}")
        control.queryAction().doAction(0)
        time.sleep(0.5)
    die = find(app, "Throw Die").queryAction()
    print(die.getName(0), die.getKeyBinding(0))


main()
