# shellcheck shell=bash
# What the scripts share; source it.

# Runs COMMAND... with DISPLAY set to a private X server of the screen
# SIZE (WIDTHxHEIGHTxDEPTH), and stops the server after it; returns the
# command's status. The server picks a free display itself (Xvfb -displayfd),
# so that scripts started together never take the same one, as two
# xvfb-run --auto-servernum can. Further options of Xvfb go in
# $X_SERVER_OPTIONS.
#
#     with_x_server 1024x768x24 build/bench/startup_bench 15
with_x_server() (
    local size=$1
    shift
    local folder server=
    folder=$(mktemp -d)
    # The server and its folder go however this ends: a background job
    # ignores the Ctrl-C that ends the command.
    trap 'if [[ -n $server ]]; then kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; fi
          rm -rf "$folder"' EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    # shellcheck disable=SC2086  # the options are words
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp ${X_SERVER_OPTIONS:-} \
        3>"$folder/display" 2>"$folder/log" &
    server=$!
    local waited=0
    until [[ -s $folder/display ]]; do
        if ! kill -0 "$server" 2>/dev/null || ((waited++ > 300)); then
            echo "Xvfb did not start:" >&2
            cat "$folder/log" >&2
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(<"$folder/display")" "$@"
)

# Runs COMMAND... as root: through sudo where this user is not root.
as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Runs the bash SCRIPT in an accessibility session of its own: a private X
# server, a session bus, and scripts/accessibility-session.sh's functions
# (start_program, keys, end_session).
#
#     in_accessibility_session 'start_program; keys Tab; end_session'
in_accessibility_session() {
    with_x_server 1024x768x24 dbus-run-session -- bash -c "
        set -euo pipefail
        source scripts/accessibility-session.sh
        $1"
}
