#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# The program on a Wayland desktop without X: under a headless weston, through
# Qt's Wayland plugin, it starts, stays up, prints nothing of its own, and
# asks for a window of one fixed size. What it asks of the compositor is read
# from libwayland's log of the protocol.
#   tests/wayland_check.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/session.sh"
start_wayland

WAYLAND_DEBUG=client "$program" 2>"$scratch/stderr" &
app=$!
titled() { grep -q 'xdg_toplevel@[0-9]*\.set_title("Tempotik")' "$scratch/stderr"; }
wait_for 20 "the window" titled || fail "no window titled Tempotik"
sleep 2  # it must still run after its window is up
kill -0 "$app" 2>/dev/null || fail "the program ended"
kill "$app"
wait "$app" 2>/dev/null || true

# libwayland's lines start with a time in brackets; anything else is the program's.
printed=$(grep -v -E '^\[ *[0-9.]+\] ' "$scratch/stderr" || true)
if [ -n "$printed" ]; then
    fail "the program printed:" && echo "$printed"
fi
last_size() {
    sed -n -E "s/.*xdg_toplevel@[0-9]+\.set_$1_size\(([0-9]+), ([0-9]+)\).*/\1x\2/p" \
        "$scratch/stderr" | tail -n 1
}
minimum=$(last_size min) maximum=$(last_size max)
echo "the window asks for at least $minimum and at most $maximum"
[ -n "$minimum" ] && [ "$minimum" = "$maximum" ] || fail "the window is not of one fixed size"
[ "$failures" -eq 0 ]
