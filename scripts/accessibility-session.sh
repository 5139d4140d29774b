# shellcheck shell=bash
# The session in which orca-check.sh, atspi-check.sh and the Debian package's
# keyboard-check run the program or the page: source it inside a private X
# server and session bus (xvfb-run … dbus-run-session). It starts the AT-SPI
# bus and has Qt and chromium talk to it, and gives:
#   start_program   starts $PROGRAM and focuses its window
#   keys KEY...     presses the keys in it, $KEY_PAUSE seconds apart
#   end_session [PID...]
#                   ends the program and the processes given, waits for
#                   those to end (30 s, then kills them), then ends the bus
#                   and removes its folder;
#                   fails where the program had ended before
#   session_owns PID... ends these processes too, should the session end
#                   otherwise (a failure, Ctrl-C)
# The program comes up on this X server at its own scale, whatever the
# caller's environment chose for Qt.
source "$(dirname "${BASH_SOURCE[0]}")/form.sh"
for variable in $(compgen -e); do
    [[ $variable == QT_* ]] && unset "$variable"
done
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
# Background jobs ignore Ctrl-C: whatever ends the session takes them along
# (those that have ended already are no failure: under set -e a failing kill
# here made a session that had passed end with status 1).
session_processes=("$bus")
session_owns() { session_processes+=("$@"); }
trap 'kill "${session_processes[@]}" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# The accessibility bus is up once its launcher answers on the session bus:
# what starts before that (Orca, the program, a reader of the tree) may find
# no bus, or a registry that cannot reach the display.
for ((tries = 0; tries < 300; tries++)); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done

start_program() {
    $PROGRAM >/dev/null 2>&1 & program=$!
    session_owns "$program"
    if ! window=$(timeout 60 xdotool search --sync --onlyvisible --name "$form_caption" | head -1) ||
        [[ -z $window ]]; then
        echo "the program's window never appeared" >&2
        return 1
    fi
    xdotool windowfocus --sync "$window"
}

keys() {
    for key in "$@"; do
        xdotool key --window "$window" "$key"
        sleep "$KEY_PAUSE"
    done
}

end_session() {
    # A program that has ended already is the failure to report, after the
    # session is taken down all the same.
    local status=0
    if ! kill "$program" 2>/dev/null; then
        echo "the program had ended before the session did" >&2
        status=1
    fi
    kill "$@" 2>/dev/null || true
    # Orca, ending, can wait without end for the program it was reading.
    for process in "$@"; do
        (sleep 30 && kill -KILL "$process" 2>/dev/null) & watchdog=$!
        wait "$process" || true
        kill "$watchdog" 2>/dev/null || true
    done
    kill "$bus" 2>/dev/null || true
    rm -rf "$XDG_RUNTIME_DIR"
    return "$status"
}
