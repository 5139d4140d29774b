#!/usr/bin/env bash
# The Wine session that the Windows build's tests run in: a private X server
# and a Wine prefix of this run's own, with the fonts that every Windows
# gives the program. CTest starts it before the first test and ends it
# after the last (a fixture); each test runs in it through `run`.
#
#     session.sh start FOLDER [TEMPLATE]   a new session in FOLDER: the prefix
#                                          copied from TEMPLATE (a prefix that
#                                          wineboot made and nothing ran in),
#                                          else made by wineboot
#     session.sh run FOLDER COMMAND...     COMMAND in the session
#     session.sh stop FOLDER               ends its processes and its X server
#
# Wine's server is not kept running: it ends once the session's last
# process has ended, so that `"$WINESERVER" --wait` waits for every Windows
# process that a test started, those that go on by themselves included.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
action=${1:?usage: session.sh start|run|stop FOLDER ...}
folder=$(realpath -m "${2:?usage: session.sh start|run|stop FOLDER ...}")
shift 2

enter() {
    [[ -s $folder/display ]] || { echo "no Wine session in $folder: start it first" >&2; exit 1; }
    export DISPLAY=":$(<"$folder/display")" WINEPREFIX=$folder/prefix
    export WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to install .NET or Gecko
}

stop() {
    if [[ -s $folder/display ]]; then
        enter
        "$WINESERVER" -k 2>/dev/null || true
    fi
    if [[ -s $folder/x-server.pid ]]; then
        kill "$(<"$folder/x-server.pid")" 2>/dev/null || true
    fi
    rm -f "$folder/display" "$folder/x-server.pid"
}

case "$action" in
start)
    stop
    rm -rf "$folder"
    mkdir -p "$folder"
    # The server outlives this command: its own session, no terminal, and
    # none of CTest's pipes, which CTest would wait for.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$folder/display" </dev/null >"$folder/x-server.log" 2>&1 &
    echo $! >"$folder/x-server.pid"
    for ((tries = 0; tries < 300; tries++)); do
        [[ -s $folder/display ]] && break
        kill -0 "$(<"$folder/x-server.pid")" 2>/dev/null ||
            { cat "$folder/x-server.log" >&2; exit 1; }
        sleep 0.1
    done
    enter
    if [[ -n ${1:-} ]]; then
        cp -a "$1" "$WINEPREFIX"
    else
        "$WINE" wineboot --init </dev/null >/dev/null 2>&1
    fi
    "$here/fonts.sh"
    "$WINESERVER" --wait
    echo "Wine session in $folder: display $DISPLAY"
    ;;
run)
    enter
    exec "$@"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: session.sh start|run|stop FOLDER ..." >&2
    exit 2
    ;;
esac
