#!/usr/bin/env bash
# What the Orca screen reader says of the real program, or of the web page in
# chromium or firefox-esr, checked (tests/screen-reader/orca.sh): builds what
# it checks, installing what it needs, then types 5 and presses "Въведи",
# then 31 and "Въведи", with the keyboard alone, prints what Orca said, and
# fails unless Orca said the list's name, the input box's name, the result
# of 5 and the "?" of 31. CTest runs the same check of the window and of the
# page in Chromium.
#
#     scripts/orca-check.sh                      # the window; the full log in build/orca.log
#     scripts/orca-check.sh --web [BROWSER]      # the page in chromium (or firefox);
#                                                # the full log in build-web/orca.log
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --orca
if [[ "${1:-}" == --web ]]; then
    scripts/web.sh
    exec tests/screen-reader/orca.sh "${2:-chromium}" build-web/site build-web/orca.log
fi
scripts/configure-program.sh >/dev/null
cmake --build --preset program
exec tests/screen-reader/orca.sh window build-program/app/euler-primes build/orca.log
