#!/usr/bin/python3
"""Prints which objects of the running program claim the focused state in the
AT-SPI tree, as a screen reader sees them.

    tools/atspi_focused.py LABEL
"""
import sys

import pyatspi

PROGRAM = "euler-primes"


def focused(accessible, found):
    if accessible.getState().contains(pyatspi.STATE_FOCUSED):
        found.append(f"{accessible.getRoleName()} «{accessible.name}»")
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            focused(child, found)
    return found


for application in pyatspi.Registry.getDesktop(0):
    if application is not None and application.name == PROGRAM:
        print(f"{sys.argv[1]}: {', '.join(focused(application, [])) or 'nothing'}")
