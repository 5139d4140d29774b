#!/usr/bin/env bash
# What the Orca screen reader says of the real program, or of the page in
# chromium or firefox-esr, and whether a pupil who cannot see the window hears
# what matters: on a private X server and session bus, Orca runs without a
# synthesiser and logs every utterance. Once Orca and the program (or the
# page) stand in the accessibility tree, the check types 5 and presses
# "Въведи", then 31 and "Въведи" again, with the keyboard alone, and fails
# unless Orca said, in this order, the list's name, the input box's name, the
# result line of 5 and the "?" of 31. It prints what Orca said.
#
#     orca.sh window PROGRAM LOG
#     orca.sh chromium|firefox SITE LOG
#
# scripts/orca-check.sh builds what it checks and runs it; CTest runs it in
# the step that builds the program (the window) and the page (Chromium).
set -euo pipefail
project=$(cd "$(dirname "$0")/../.." && pwd)
face=$1 LOG=$(realpath -m "$3")
cd "$project"
source scripts/lib.sh
mkdir -p "$(dirname "$LOG")"
rm -f "$LOG"

# What a pupil must hear, as the logic and the form's table word it, and as
# Orca 43 says it: the window's "?" as its announcement, the page's live
# region's as the word for the sign.
transcript_name="Условие и изчисление"
list_name="Прости числа под 1000"
result_of_5="Изчисленото число е: 71"
case "$face" in
    window)
        PROGRAM=$(realpath "$2")
        input_name="N \[0..30\]:"
        question_mark="'notification ?'" ;;
    chromium|firefox)
        site=$(realpath "$2")
        input_name="N от 0 до 30"
        question_mark="'question'"
        served=$(mktemp -d)
        node node/serve.mjs "$site" 0 >"$served/address" & server=$!
        trap 'kill $server; rm -rf "$served"' EXIT
        for ((tries = 0; tries < 150; tries++)); do
            grep -q 'http://' "$served/address" 2>/dev/null && break
            sleep 0.2
        done
        url=$(grep -o 'http://[^ ]*' "$served/address")
        if [[ $face == chromium ]]; then
            # Chromium tells screen readers of web pages only when asked to.
            # Its offer to translate a page not in its own language comes
            # first otherwise («alert Translate this page?»), whatever
            # --disable-features says (Chromium 156): the profile refuses it.
            mkdir -p "$served/profile/Default"
            echo '{"translate": {"enabled": false}}' >"$served/profile/Default/Preferences"
            PROGRAM="chromium --no-sandbox --user-data-dir=$served/profile --no-first-run
                     --disable-background-networking --disable-component-update
                     --disable-sync --force-renderer-accessibility --app=$url"
        else
            # Firefox, whenever the session's accessibility bus is on.
            PROGRAM="firefox-esr --no-remote --new-instance --profile $served/profile $url"
            mkdir "$served/profile"
        fi ;;
    *) echo "usage: orca.sh window PROGRAM LOG | orca.sh chromium|firefox SITE LOG" >&2
       exit 2 ;;
esac
export PROGRAM LOG list_name transcript_name

in_accessibility_session '
    orca --replace --debug-file="$LOG" >/dev/null 2>&1 & orca=$!
    session_owns "$orca"
    # Orca on the bus, then the window, its list in the tree and the focus
    # on the transcript, where it starts: keys pressed before go unheard, or
    # to the browser (Firefox first focuses its tab until the page loads).
    tools/atspi_read.py wait application orca
    start_program
    tools/atspi_read.py wait list "$list_name"
    tools/atspi_read.py wait focus "$transcript_name"
    KEY_PAUSE=1.5
    keys Tab Tab 5 Tab space                    # the input box, 5, "Въведи"
    keys shift+Tab BackSpace 3 1 Tab space      # back, 31, "Въведи"
    sleep 3
    # Orca writes its log through a buffer: it must end on its own, before
    # the bus and the display go, for the last utterances to reach the file.
    end_session "$orca"
'
said=$(grep -o "SPEECH OUTPUT: .*" "$LOG" | grep -v "^SPEECH OUTPUT: ''" | uniq)
echo "$said"

# Each of the utterances that must come, after the one before it.
rest=$said
for expected in "$list_name" "$input_name" "$result_of_5" "$question_mark"; do
    if ! line=$(grep -n -m1 -- "$expected" <<<"$rest"); then
        echo "orca.sh: Orca never said «$expected» after what it had said before" >&2
        exit 1
    fi
    rest=$(tail -n "+$((${line%%:*} + 1))" <<<"$rest")
done
echo "orca.sh: Orca said the list's name, the input's, the result of 5 and the ? of 31"
