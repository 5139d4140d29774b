#!/usr/bin/env bash
# Makes a picture of the real program after a check of 5: it runs on a private
# X server, gets «5» typed into its input box and "Въведи" clicked, and the
# window is captured as it then looks.
#
#     scripts/screenshot.sh        # docs/screenshot.png
#     scripts/screenshot.sh 2      # docs/screenshot-2x.png, at a scale of 2
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scale="${1:-1}"
output=docs/screenshot.png
[[ "$scale" != 1 ]] && output="docs/screenshot-${scale}x.png"

scripts/install-deps.sh --screenshot
cmake --preset default
cmake --build --preset default

export PROGRAM=build/app/euler-primes OUTPUT="$output" QT_SCALE_FACTOR="$scale"
with_x_server 1600x1200x24 bash -c '
    set -euo pipefail
    source scripts/form.sh
    "$PROGRAM" & program=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "$form_caption" | head -1)
    xdotool mousemove --window "$window" $(middle $form_input_box $QT_SCALE_FACTOR) click 1
    xdotool type 5
    xdotool mousemove --window "$window" $(middle $form_check_button $QT_SCALE_FACTOR) click 1
    sleep 1
    import -window "$window" "$OUTPUT"
    kill "$program"
'
echo "Wrote $output"
