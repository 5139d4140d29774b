# shellcheck shell=bash
# The session in which orca-check.sh, atspi-check.sh and the Debian package's
# keyboard-check run the program or the page: source it inside a private X
# server and session bus (xvfb-run … dbus-run-session). It starts the AT-SPI
# bus and has Qt and chromium talk to it, and gives:
#   start_program   starts $PROGRAM and focuses its window
#   keys KEY...     presses the keys in it, $KEY_PAUSE seconds apart
#   end_session [PID...]
#                   ends the program and the processes given, waits for
#                   those to end, then ends the bus
# The program comes up on this X server at its own scale, whatever the
# caller's environment chose for Qt.
for variable in $(compgen -e); do
    [[ $variable == QT_* ]] && unset "$variable"
done
export XDG_RUNTIME_DIR=$(mktemp -d) NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
sleep 1

start_program() {
    $PROGRAM >/dev/null 2>&1 & program=$!
    if ! window=$(timeout 60 xdotool search --sync --onlyvisible --name "Информатика" | head -1) ||
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
    kill "$program" "$@"
    for process in "$@"; do
        wait "$process" || true
    done
    kill "$bus"
}
