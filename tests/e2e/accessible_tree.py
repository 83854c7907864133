#!/usr/bin/python3
"""Tabwise's accessible tree (AT-SPI) as a screen reader reads it. "check": every button, check box,
text box, list, tab and link is named, the tabs are the pages, the commands of every page and the
options picture are buttons that can be pressed. "press NAME": presses that button."""
import sys

import pyatspi

NAMED = {"push button", "check box", "radio button", "text", "list", "page tab", "combo box", "link"}
PAGES = ["Notes", "Phone Numbers", "Email Addresses", "Web Sites", "Other"]


def nodes(node):
    yield node
    for child in (node.getChildAtIndex(i) for i in range(node.childCount)):
        yield from nodes(child) if child is not None else ()


def actions(node):
    try:
        action = node.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        return []


desktop = pyatspi.Registry.getDesktop(0)
apps = [app for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
        if app is not None and app.name == "Tabwise"]
if not apps:
    sys.exit("Tabwise is not on the accessibility bus")
tree = [(node, node.getRoleName(), actions(node)) for node in nodes(apps[0])]
if sys.argv[1] == "press":
    pressable = [(node, acts) for node, role, acts in tree if node.name == sys.argv[2] and "Press" in acts]
    if not pressable:
        sys.exit("no button %r that can be pressed" % sys.argv[2])
    sys.exit(not pressable[0][0].queryAction().doAction(pressable[0][1].index("Press")))
# The drop-down list of a combo box is named by the box.
problems = ["a %s without a name, in %r" % (role, node.parent.name) for node, role, _ in tree
            if role in NAMED and not node.name and node.parent.getRoleName() != "combo box"]
tabs = [node.name for node, role, _ in tree if role == "page tab"]
problems += ["the tabs are %r" % tabs] if tabs != PAGES else []
buttons = {node.name for node, role, acts in tree if role == "push button" and "Press" in acts}
wanted = ["Options"] + ["%s %s" % (verb, page) for page in PAGES for verb in ("Print", "Edit", "Save")]
problems += ["no button %r that can be pressed" % name for name in wanted if name not in buttons]
sys.exit("\n".join(problems) or 0)
