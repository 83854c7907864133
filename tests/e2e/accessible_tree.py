#!/usr/bin/python3
"""Reads Tabwise's accessible tree on the accessibility bus (AT-SPI), as a screen reader does.

  accessible_tree.py check       every control a screen reader announces has a name; the commands
                                 of the pages and the options picture are buttons that can be pressed
  accessible_tree.py press NAME  presses the button of that name through its "Press" action
  accessible_tree.py showing NAME  succeeds when something of that name is on screen
"""
import sys

import pyatspi

NAMED_ROLES = {"push button", "check box", "radio button", "text", "list", "page tab", "combo box", "link"}
PAGES = ["Notes", "Phone Numbers", "Email Addresses", "Web Sites", "Other"]


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    for app in apps:
        if app is not None and app.name == "Tabwise":
            return app
    sys.exit("Tabwise is not on the accessibility bus")


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def check():
    problems = []
    buttons = {}
    for node in nodes(program()):
        role = node.getRoleName()
        # The drop-down list of a combo box is named by the box.
        if role in NAMED_ROLES and not node.name and node.parent.getRoleName() != "combo box":
            problems.append("a %s without a name, in %s %r" % (role, node.parent.getRoleName(), node.parent.name))
        if role == "push button" and "Press" in actions(node):
            buttons[node.name] = node
    tabs = [node.name for node in nodes(program()) if node.getRoleName() == "page tab"]
    if tabs != PAGES:
        problems.append("the tabs are %r" % tabs)
    for name in ["Options"] + ["%s %s" % (verb, page) for page in PAGES for verb in ("Print", "Edit", "Save")]:
        if name not in buttons:
            problems.append("no button %r that can be pressed" % name)
    sys.exit("\n".join(problems) if problems else 0)


def press(name):
    for node in nodes(program()):
        if node.name == name and "Press" in actions(node):
            node.queryAction().doAction(actions(node).index("Press"))
            return
    sys.exit("no button %r that can be pressed" % name)


def showing(name):
    for node in nodes(program()):
        if node.name == name and node.getState().contains(pyatspi.STATE_SHOWING):
            return
    sys.exit("nothing named %r on screen" % name)


if __name__ == "__main__":
    {"check": check, "press": press, "showing": showing}[sys.argv[1]](*sys.argv[2:])
