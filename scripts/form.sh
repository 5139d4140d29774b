# shellcheck shell=bash
# The program's window as the scripts that drive it from the outside see it,
# in pixels at a scale of 1: its caption, its client area, and the controls
# they click or look at, each as WIDTHxHEIGHT+LEFT+TOP in the client area.
# The window is laid out in logic/form_layout.h; the lint test
# ScriptPlacesAgree holds this file to it. Source it.
form_caption="https://www.example.org Информатика - функция на Ойлер"
form_size=462x345
form_transcript=449x121+8+216
form_list=57x137+16+64
form_input_box=81x27+192+48
form_check_button=161x33+120+96

# The middle of a place, times SCALE (1 unless given): "X Y".
#     middle PLACE [SCALE]
middle() {
    local width height left top scale=${2:-1}
    IFS='x+' read -r width height left top <<<"$1"
    echo "$(((left + width / 2) * scale)) $(((top + height / 2) * scale))"
}
