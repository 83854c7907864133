#!/usr/bin/python3
"""Acts on Tabwise through the accessibility bus (AT-SPI), as a screen reader's user would; it needs
no input device, so it works on any window system.

  a11y.py ready                       the program is on the accessibility bus
  a11y.py press NAME                  presses the button of that name
  a11y.py append NAME TEXT            types TEXT at the end of the text box of that name
  a11y.py shown NAME                  prints the description of a shown object of that name
"""
import sys

import pyatspi


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Tabwise":
            return app
    sys.exit("Tabwise is not on the accessibility bus")


def find(name, test=lambda node: True):
    found = pyatspi.findDescendant(program(), lambda node: node.name == name and test(node))
    if found is None:
        sys.exit("nothing named %r" % name)
    return found


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def main(args):
    if args[0] == "ready":
        program()
    elif args[0] == "press":
        button = find(args[1], lambda node: node.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(node))
        button.queryAction().doAction(0)
    elif args[0] == "append":
        box = find(args[1], lambda node: node.getRole() == pyatspi.ROLE_TEXT and showing(node))
        box.queryEditableText().insertText(box.queryText().characterCount, args[2], len(args[2]))
    elif args[0] == "shown":
        print(find(args[1], showing).description)


if __name__ == "__main__":
    main(sys.argv[1:])
