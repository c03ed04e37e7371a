#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# The program on GNOME's own Wayland desktop, headless GNOME Shell, started as
# the desktop starts it. The shell draws no title bars for Wayland programs,
# so the program must come up through the shell's XWayland, framed by the
# shell: the whole title "Tempotik", no maximize for a window that cannot
# grow, and the frame's close box ends it with status 0 and nothing printed.
# A platform the user names is kept: with -platform wayland it is a Wayland
# program.
#   tests/gnome_check.sh PROGRAM
set -euo pipefail
program=$1
here=$(dirname "$(realpath "$0")")
source "$here/session.sh"
start_gnome

"$program" 2>"$scratch/stderr" &
app=$!
window=$(tempotik_window "$app") || { fail "it is no X program framed by the shell" && exit 1; }
frame=$(xwininfo -id "$window" -tree | sed -n -E 's/.*Parent window id: (0x[0-9a-f]+).*/\1/p')
root=$(xwininfo -root | sed -n -E 's/.*Window id: (0x[0-9a-f]+).*/\1/p')
title_bar=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n -E 's/.*= [0-9]+, [0-9]+, ([0-9]+), .*/\1/p')
echo "the window's parent is $frame, its frame's title bar ${title_bar:-none} pixels high"
[ "$frame" != "$root" ] && [ "${title_bar:-0}" -gt 0 ] || fail "the shell does not frame the window"
xprop -id "$window" _NET_WM_NAME | grep -q '= "Tempotik"$' || fail "the title is not Tempotik"
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
echo "$actions"
! grep -q MAXIMIZE <<<"$actions" || fail "the shell offers to maximize a window that cannot grow"

# The session opens in the overview; Escape leaves it. The window goes down
# and right, clear of the banners the shell shows at the top. Then the close
# box, at the right of the title bar above the window. (The frame's own
# window reaches further: since GNOME 44 it holds the shadow too.)
"$here/gnome_input.py" key 0xff1b
xdotool windowmove "$window" 560 360
sleep 1
geometry() { xwininfo -id "$window" | sed -n -E "s/.*$1: *(-?[0-9]+).*/\\1/p"; }
"$here/gnome_input.py" click $(($(geometry 'Absolute upper-left X') + $(geometry Width) - 20)) \
    $(($(geometry 'Absolute upper-left Y') - title_bar / 2)) $(xdotool getdisplaygeometry)
status=0
finish 10 "$app" || status=$?
[ "$status" -eq 0 ] || fail "the close box ended it with status $status"
if [ -s "$scratch/stderr" ]; then
    fail "the program printed:" && cat "$scratch/stderr"
fi

# Named by the user, Wayland it is, with Qt's own title bar.
WAYLAND_DEBUG=client "$program" -platform wayland 2>"$scratch/wayland" &
app=$!
wait_for 20 "a Wayland window" wayland_titled "$scratch/wayland" || fail "with -platform wayland it is no Wayland program"
kill "$app"
wait "$app" 2>/dev/null || true
[ "$failures" -eq 0 ]
