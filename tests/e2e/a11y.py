#!/usr/bin/python3
"""Acts on Tabwise through the accessibility bus (AT-SPI), which needs no input device, as a screen
reader would: ready (the program is on the bus), press NAME (a shown button), append NAME TEXT (at
the end of a shown text box), shown NAME (prints the description of a shown object), check [covered]
(every shown button, check box, text box, list, tab and link is named, the tabs are the pages, and
the options picture and the commands of every page are buttons that can be pressed; covered: a
panel lies over the pages, and their commands cannot be pressed)."""
import sys

import pyatspi


NAMED = {"push button", "check box", "radio button", "text", "list", "page tab", "combo box", "link"}
PAGES = ["Notes", "Phone Numbers", "Email Addresses", "Web Sites", "Other"]


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    return next(app for app in apps if app is not None and app.name == "Tabwise")


def nodes(node):
    yield node
    for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
        yield from nodes(child) if child is not None else ()


def pressable(node):
    try:
        action = node.queryAction()
        return "Press" in [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        return False


def check(covered=False):
    tree = [(node, node.getRoleName()) for node in nodes(program())]
    # The drop-down list of a combo box is named by the box.
    problems = ["a %s without a name, in %r" % (role, node.parent.name) for node, role in tree
                if role in NAMED and not node.name and node.parent.getRoleName() != "combo box"]
    tabs = [node.name for node, role in tree if role == "page tab"]
    problems += ["the tabs are %r" % tabs] if tabs != PAGES else []
    buttons = {node.name for node, role in tree if role == "push button" and pressable(node)
               and node.getState().contains(pyatspi.STATE_ENABLED)}
    commands = ["%s %s" % (verb, page) for page in PAGES for verb in ("Print", "Edit", "Save")]
    wanted = ["Options"] + ([] if covered else commands)
    problems += ["no button %r that can be pressed" % name for name in wanted if name not in buttons]
    # Under a panel the pages' commands are out of reach, for a screen reader as for the keyboard.
    problems += ["%r can be pressed under a panel" % name for name in commands if covered and name in buttons]
    sys.exit("\n".join(problems) or 0)


def find(name, role=None):
    return pyatspi.findDescendant(program(), lambda node: node.name == name and role in (None, node.getRole())
                                  and node.getState().contains(pyatspi.STATE_SHOWING))


def main(command, *args):
    if command == "ready":
        find("")
    elif command == "press":
        find(args[0], pyatspi.ROLE_PUSH_BUTTON).queryAction().doAction(0)
    elif command == "append":
        box = find(args[0], pyatspi.ROLE_TEXT)
        box.queryEditableText().insertText(box.queryText().characterCount, args[1], len(args[1]))
    elif command == "check":
        check(args[:1] == ("covered",))
    elif command == "shown":
        print(find(args[0]).description)


if __name__ == "__main__":
    main(*sys.argv[1:])
