#!/usr/bin/env bash
# The real program under Wine, driven from the outside on the X display:
# its window appears with the program's caption and a client area of
# 462 x 345, a check of 5 changes the transcript and the list, and closing
# the window (Alt+F4) ends the program with status 0. Leaves the window's
# picture after the check in WINDOWS_SCREENSHOT when that is set.
#
#     smoke.sh PATH/euler-primes.exe
set -euo pipefail
exe="$1"
fail() { echo "smoke test: $*" >&2; exit 1; }

/usr/lib/wine/wine64 "$exe" & program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name "Информатика") ||
    fail "no window appeared"
window=${window%%$'\n'*}
sleep 2

caption=$(xdotool getwindowname "$window")
[[ "$caption" == "https://www.example.org Информатика - функция на Ойлер" ]] ||
    fail "caption «$caption»"
size=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
[[ "$size" == 462x345 ]] || fail "client area $size, not 462x345"

shot() { import -window "$window" "$1"; }
# The average colour of a part of a picture: WIDTHxHEIGHT+LEFT+TOP.
colour() { convert "$1" -crop "$2" -resize 1x1! -format '%[pixel:p{0,0}]' info:; }
before=$(mktemp --suffix=.png) after=$(mktemp --suffix=.png)
shot "$before"
xdotool mousemove --window "$window" 232 61 click 1 sleep 0.5 type 5
xdotool mousemove --window "$window" 200 112 click 1 sleep 1
shot "$after"
[[ "$(colour "$before" 449x121+8+216)" != "$(colour "$after" 449x121+8+216)" ]] ||
    fail "the transcript did not change"
[[ "$(colour "$before" 57x137+16+64)" != "$(colour "$after" 57x137+16+64)" ]] ||
    fail "the list did not change"
[[ -n "${WINDOWS_SCREENSHOT:-}" ]] && cp "$after" "$WINDOWS_SCREENSHOT"
rm -f "$before" "$after"

xdotool key --window "$window" alt+F4
status=0
timeout 30 tail --pid=$program -f /dev/null || fail "the program did not end"
wait $program || status=$?
[[ $status -eq 0 ]] || fail "exit status $status"
echo "smoke test: window, caption, 462x345, check of 5, closed with status 0"
