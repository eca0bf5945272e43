"""Prints the accessible tree of the running Quillmar95 as an AT-SPI client (a screen
reader, for one) reads it: role, name, description, value and the states that matter."""
import sys
import time

import pyatspi

STATES = {
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_EDITABLE: "editable",
    pyatspi.STATE_EXPANDABLE: "expandable",
    pyatspi.STATE_COLLAPSED: "collapsed",
    pyatspi.STATE_EXPANDED: "expanded",
    pyatspi.STATE_FOCUSABLE: "focusable",
    pyatspi.STATE_READ_ONLY: "read-only",
}


def find_program(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.2)
    sys.exit(f"no application named {name} on the accessibility bus")


def describe(node):
    parts = [node.getRoleName(), repr(node.name)]
    if node.description:
        parts.append(f"description={node.description!r}")
    try:
        text = node.queryText()
        parts.append(f"text={text.getText(0, -1)!r}")
    except NotImplementedError:
        pass
    states = node.getState()
    shown = [label for state, label in STATES.items() if states.contains(state)]
    if shown:
        parts.append("[" + ", ".join(shown) + "]")
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            parts.append(f"labelled-by={relation.getTarget(0).name!r}")
    return " ".join(parts)


def walk(node, depth=0):
    print("  " * depth + describe(node))
    for child in node:
        if child is not None:
            walk(child, depth + 1)


def find(node, role, name):
    if node.getRoleName() == role and node.name == name:
        return node
    for child in node:
        found = child is not None and find(child, role, name)
        if found:
            return found
    return None


program = find_program(sys.argv[1] if len(sys.argv) > 1 else "Quillmar95", 20)
walk(program)

# Press About as an assistive tool would, and list the message box it opens.
about = find(program, "push button", "About")
about.queryAction().doAction(0)
time.sleep(1)
print("\nAfter pressing About:")
for window in program:
    if window is not None and window.getRoleName() != "frame":
        walk(window)
