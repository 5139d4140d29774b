#!/usr/bin/python3
"""Prints what the running program offers a screen reader in the AT-SPI tree.

    tools/atspi_read.py focused LABEL   the objects that claim the focused
                                        state, after LABEL
    tools/atspi_read.py shown           each text box's name and text, and
                                        each list's name and selected entries
"""
import sys

import pyatspi

PROGRAM = "euler-primes"


def objects(accessible):
    yield accessible
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield from objects(child)


def has_state(accessible, state):
    return accessible.getState().contains(state)


def focused(application):
    found = [f"{accessible.getRoleName()} «{accessible.name}»"
             for accessible in objects(application)
             if has_state(accessible, pyatspi.STATE_FOCUSED)]
    return [f"{sys.argv[2]}: {', '.join(found) or 'nothing'}"]


def shown(application):
    lines = []
    for accessible in objects(application):
        role = accessible.getRole()
        if role == pyatspi.ROLE_TEXT:
            text = accessible.queryText().getText(0, -1).strip()
            lines.append(f"text «{accessible.name}»: {' / '.join(text.splitlines())}")
        elif role == pyatspi.ROLE_LIST:
            # Each entry says whether it is selected (Qt 6.4 offers no
            # Selection interface on the list itself).
            selected = [entry.name for entry in objects(accessible)
                        if entry is not accessible and has_state(entry, pyatspi.STATE_SELECTED)]
            lines.append(f"list «{accessible.name}», selected: {', '.join(selected) or 'nothing'}")
    return lines


read = {"focused": focused, "shown": shown}[sys.argv[1]]
for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == PROGRAM:
        print("\n".join(read(application)))
