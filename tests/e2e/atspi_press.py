#!/usr/bin/python3
"""Presses the real program's buttons through the accessibility bus, as a screen reader does
(the one way into a program on a compositor that takes no injected input), then prints the
die's action and key. usage: atspi_press.py BUTTON..."""
import sys
import time

import pyatspi


def find(node, name):
    return node if node.name == name else next(
        (f for f in (find(c, name) for c in node if c is not None) if f), None)


for _ in range(200):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "brimblet"), None)
    if app:
        break
    time.sleep(0.1)
else:
    sys.exit("no application brimblet on the accessibility bus")
for button in sys.argv[1:]:
    find(app, button).queryAction().doAction(0)
    time.sleep(0.5)
die = find(app, "Throw Die").queryAction()
print(die.getName(0), die.getKeyBinding(0))
