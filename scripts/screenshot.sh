#!/usr/bin/env bash
# Makes docs/screenshot.png from the real program: it runs on a private X
# server, gets «5» typed into its input box and "Въведи" clicked, and the
# window is captured as it then looks.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --screenshot
cmake --preset default
cmake --build --preset default

export PROGRAM=build/app/euler-primes OUTPUT=docs/screenshot.png
xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" bash -c '
    set -euo pipefail
    "$PROGRAM" & program=$!
    window=$(xdotool search --sync --onlyvisible --name "Информатика")
    xdotool mousemove --window "$window" 232 61 click 1    # the input box
    xdotool type 5
    xdotool mousemove --window "$window" 200 112 click 1   # "Въведи"
    sleep 1
    import -window "$window" "$OUTPUT"
    kill "$program"
'
echo "Wrote $OUTPUT"
