#!/usr/bin/env bash
# Which controls of the real program claim the keyboard focus in the AT-SPI
# tree, as a screen reader reads it: on a private X server and session bus,
# after a check of 5 made with the keyboard (the focus on "Въведи"), then
# with the focus moved back into the list and down it with the arrow keys.
# Only the control with the keyboard focus, and in the list its current
# entry, may claim it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scripts/install-deps.sh --orca
scripts/configure-program.sh >/dev/null
cmake --build --preset program
export PROGRAM=build-program/app/euler-primes
in_accessibility_session '
    start_program
    sleep 2
    KEY_PAUSE=0.7
    keys Tab Tab 5 Tab space
    tools/atspi_read.py focused "after a check of 5"
    keys shift+Tab shift+Tab
    tools/atspi_read.py focused "back into the list"
    keys Down
    tools/atspi_read.py focused "Down"
    keys Down
    tools/atspi_read.py focused "Down"
    end_session
' 2>/dev/null
