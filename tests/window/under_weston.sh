#!/usr/bin/env bash
# Runs a command against a private, headless Weston compositor.
#     under_weston.sh COMMAND [ARGUMENTS...]
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-euler
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    --no-config >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT

for _ in $(seq 100); do
    [[ -S "$runtime/$WAYLAND_DISPLAY" ]] && break
    kill -0 $weston 2>/dev/null || { cat "$runtime/weston.log"; exit 1; }
    sleep 0.05
done
unset DISPLAY
"$@"
