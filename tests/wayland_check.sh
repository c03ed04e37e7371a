#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# The program on weston, a Wayland desktop. Told to use Qt's Wayland plugin,
# it starts, stays up, prints nothing of its own, and asks for a window of
# one fixed size; what it asks of the compositor is read from libwayland's
# log of the protocol. Started as the desktop starts it, it comes up through
# weston's XWayland, framed by weston, as weston draws no title bars for
# Wayland programs and Qt's own would cut the title short. Should that X
# server not answer, it is a Wayland program after all.
#   tests/wayland_check.sh PROGRAM
set -euo pipefail
program=$1
source "$(dirname "$0")/session.sh"
start_wayland

WAYLAND_DEBUG=client "$program" 2>"$scratch/stderr" &
app=$!
wait_for 20 "the window" wayland_titled "$scratch/stderr" || fail "no window titled Tempotik"
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
    sed -n -E "s/.*xdg_toplevel[@#][0-9]+\.set_$1_size\(([0-9]+), ([0-9]+)\).*/\1x\2/p" \
        "$scratch/stderr" | tail -n 1
}
minimum=$(last_size min) maximum=$(last_size max)
echo "the window asks for at least $minimum and at most $maximum"
[ -n "$minimum" ] && [ "$minimum" = "$maximum" ] || fail "the window is not of one fixed size"

unset QT_QPA_PLATFORM
XDG_SESSION_TYPE=wayland "$program" 2>"$scratch/stderr" &
app=$!
if window=$(tempotik_window); then
    frame=$(xwininfo -id "$window" -tree | sed -n -E 's/.*Parent window id: (0x[0-9a-f]+).*/\1/p')
    root=$(xwininfo -root | sed -n -E 's/.*Window id: (0x[0-9a-f]+).*/\1/p')
    [ "$frame" != "$root" ] || fail "weston does not frame the window"
else
    fail "started as the desktop starts it, it is no X program framed by weston"
fi
kill "$app"
wait "$app" 2>/dev/null || true

# A display that no X server has.
display=900
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
XDG_SESSION_TYPE=wayland DISPLAY=:$display WAYLAND_DEBUG=client "$program" 2>"$scratch/stderr" &
app=$!
wait_for 20 "the window" wayland_titled "$scratch/stderr" || fail "with no X server answering, it is no Wayland program"
kill "$app"
wait "$app" 2>/dev/null || true
[ "$failures" -eq 0 ]
