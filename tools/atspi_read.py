#!/usr/bin/python3
"""Prints what the running program offers a screen reader in the AT-SPI tree.

    tools/atspi_read.py focused LABEL   the objects that claim the focused
                                        state, after LABEL
    tools/atspi_read.py shown           each text box's name and text, and
                                        each list's name and selected entries
    tools/atspi_read.py wait application NAME
    tools/atspi_read.py wait list NAME
    tools/atspi_read.py wait focus NAME waits (60 s at most) until the tree
                                        holds an application, or in any
                                        application a list or the focused
                                        object, of that name
"""
import sys
import time

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


def wait(kind, name):
    lists = (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX)

    def there():
        for application in pyatspi.Registry.getDesktop(0):
            if application is None:
                continue
            if kind == "application" and application.name == name:
                return True
            if kind == "list" and any(accessible.getRole() in lists and accessible.name == name
                                      for accessible in objects(application)):
                return True
            if kind == "focus" and any(accessible.name == name and
                                       has_state(accessible, pyatspi.STATE_FOCUSED)
                                       for accessible in objects(application)):
                return True
        return False

    end = time.monotonic() + 60
    while not there():
        if time.monotonic() > end:
            sys.exit(f"atspi_read.py: no {kind} «{name}» in the accessibility tree after 60 s")
        time.sleep(0.2)


if sys.argv[1] == "wait":
    wait(sys.argv[2], sys.argv[3])
    sys.exit()
read = {"focused": focused, "shown": shown}[sys.argv[1]]
for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == PROGRAM:
        print("\n".join(read(application)))
