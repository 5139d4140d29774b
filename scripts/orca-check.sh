#!/usr/bin/env bash
# What the Orca screen reader says of the real program, or of the web page in
# chromium or firefox-esr: on a private X server and session bus, Orca runs
# without a synthesiser and logs every utterance. The script types 5 and
# presses "Въведи", then 31 and "Въведи" again, with the keyboard alone, and
# prints what Orca said.
#
#     scripts/orca-check.sh                      # the window; the full log in build/orca.log
#     scripts/orca-check.sh --web [BROWSER]      # the page in chromium (or firefox);
#                                                # the full log in build-web/orca.log
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scripts/install-deps.sh --orca
if [[ "${1:-}" == --web ]]; then
    browser=${2:-chromium}
    scripts/web.sh
    node node/serve.mjs build-web/site 0 >build-web/serve.log & server=$!
    profile=$(mktemp -d)
    trap 'kill $server; rm -rf "$profile"' EXIT
    for ((tries = 0; tries < 150; tries++)); do
        grep -q 'http://' build-web/serve.log 2>/dev/null && break
        sleep 0.2
    done
    url=$(grep -o 'http://[^ ]*' build-web/serve.log)
    case "$browser" in
        # Chromium tells screen readers of web pages only when asked to.
        chromium) PROGRAM="chromium --no-sandbox --user-data-dir=$profile --no-first-run
                      --disable-background-networking --disable-component-update
                      --disable-sync --disable-features=Translate
                      --force-renderer-accessibility --app=$url" ;;
        # Firefox, whenever the session's accessibility bus is on.
        firefox) PROGRAM="firefox-esr --no-remote --new-instance --profile $profile $url" ;;
        *) echo "usage: $0 [--web [chromium|firefox]]" >&2; exit 2 ;;
    esac
    LOG="$PWD/build-web/orca.log"
else
    scripts/configure-program.sh >/dev/null
    cmake --build --preset program
    PROGRAM=build-program/app/euler-primes LOG="$PWD/build/orca.log"
fi
export PROGRAM LOG
mkdir -p "$(dirname "$LOG")"
rm -f "$LOG"
in_accessibility_session '
    orca --replace --debug-file="$LOG" >/dev/null 2>&1 & orca=$!
    sleep 4
    start_program
    sleep 4
    KEY_PAUSE=1.5
    keys Tab Tab 5 Tab space                    # the input box, 5, "Въведи"
    keys shift+Tab BackSpace 3 1 Tab space      # back, 31, "Въведи"
    sleep 4
    # Orca writes its log through a buffer: it must end on its own, before
    # the bus and the display go, for the last utterances to reach the file.
    end_session "$orca"
'
grep -o "SPEECH OUTPUT: .*" "$LOG" | grep -v "^SPEECH OUTPUT: ''" | uniq
