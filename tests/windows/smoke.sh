#!/usr/bin/env bash
# The real program under Wine, driven from the outside on the X display:
# its window appears with the program's caption and client area
# (scripts/form.sh), its text is drawn in the Times-metric serif that the Wine
# prefix gives for Times New Roman, a «5» typed into the input box shows
# there, a check of 5 changes the transcript and the list, and closing the
# window (Alt+F4) ends the program with status 0. Leaves the window's
# picture after the check in PICTURE.png, where given.
#
#     smoke.sh PATH/euler-primes.exe [PICTURE.png]
set -euo pipefail
source "$(dirname "$0")/wine.sh"
source "$(dirname "$0")/../../scripts/form.sh"
exe="$1"
fail() { echo "smoke test: $*" >&2; exit 1; }

# Wine's font channel names each face it chooses for a request, and three
# pictures of the window: empty, with 5 typed, after the check.
fonts="" empty="" typed="" checked=""
trap 'rm -f "$fonts" "$empty" "$typed" "$checked"' EXIT
fonts=$(mktemp) empty=$(mktemp --suffix=.png) typed=$(mktemp --suffix=.png)
checked=$(mktemp --suffix=.png)
# The faces that Wine chose for the program's requests of Times New Roman.
times_new_roman() {
    awk -F'"' '{ thread = substr($0, 1, index($0, ":")) }
               /font_SelectFont L"/ { asked[thread] = $2 }
               /select_font Chosen: / && asked[thread] == "Times New Roman" { print $2 }' \
        "$fonts" | sort -u
}
WINEDEBUG=trace+font "$WINE" "$exe" 2>"$fonts" & program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name "$form_caption") ||
    fail "no window appeared"
window=${window%%$'\n'*}
sleep 2

caption=$(xdotool getwindowname "$window")
[[ "$caption" == "$form_caption" ]] || fail "caption «$caption»"
size=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
[[ "$size" == "$form_size" ]] || fail "client area $size, not $form_size"

shot() { import -window "$window" "$1"; }
# The average colour of a part of a picture: WIDTHxHEIGHT+LEFT+TOP.
colour() { convert "$1" -crop "$2" -resize 1x1! -format '%[pixel:p{0,0}]' info:; }
# shellcheck disable=SC2046 # middle gives two numbers
xdotool mousemove --window "$window" $(middle $form_input_box) click 1 sleep 0.5 2>/dev/null
shot "$empty"
xdotool type 5 2>/dev/null
sleep 0.5
shot "$typed"
# shellcheck disable=SC2046
xdotool mousemove --window "$window" $(middle $form_check_button) click 1 sleep 1 2>/dev/null
shot "$checked"
[[ "$(colour "$empty" $form_input_box)" != "$(colour "$typed" $form_input_box)" ]] ||
    fail "the typed 5 does not show in the input box"
[[ "$(colour "$typed" $form_transcript)" != "$(colour "$checked" $form_transcript)" ]] ||
    fail "the transcript did not change"
[[ "$(colour "$typed" $form_list)" != "$(colour "$checked" $form_list)" ]] ||
    fail "the list did not change"
[[ -z "${2:-}" ]] || cp "$checked" "$2"

xdotool key --window "$window" alt+F4
status=0
timeout 30 tail --pid=$program -f /dev/null || fail "the program did not end"
wait $program || status=$?
[[ $status -eq 0 ]] || fail "exit status $status"
chosen=$(times_new_roman)
[[ -n "$chosen" ]] && ! grep -qv '^Liberation Serif' <<<"$chosen" ||
    fail "Times New Roman drawn in «$(echo $chosen)», not in Liberation Serif"
echo "smoke test: window, caption, $form_size, Times New Roman drawn in" \
    "$(paste -sd, <<<"$chosen" | sed 's/,/, /g'), 5 typed and shown, checked," \
    "closed with status 0"
