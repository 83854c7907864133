#!/usr/bin/python3
"""Acts on Tabwise through the accessibility bus (AT-SPI), which needs no input device: ready (the
program is on the bus), press NAME (a shown button), append NAME TEXT (at the end of a shown text
box), shown NAME (prints the description of a shown object)."""
import sys

import pyatspi


def find(name, role=None):
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    program = next(app for app in apps if app is not None and app.name == "Tabwise")
    return pyatspi.findDescendant(program, lambda node: node.name == name and role in (None, node.getRole())
                                  and node.getState().contains(pyatspi.STATE_SHOWING))


def main(command, *args):
    if command == "ready":
        find("")
    elif command == "press":
        find(args[0], pyatspi.ROLE_PUSH_BUTTON).queryAction().doAction(0)
    elif command == "append":
        box = find(args[0], pyatspi.ROLE_TEXT)
        box.queryEditableText().insertText(box.queryText().characterCount, args[1], len(args[1]))
    elif command == "shown":
        print(find(args[0]).description)


if __name__ == "__main__":
    main(*sys.argv[1:])
