#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# End to end: the built program under a real X server (Xvfb), clicked and typed
# at with xdotool, its captions read through the accessibility bus.
#   window_e2e.sh PROGRAM
set -euo pipefail
program=$1
probe="$(dirname "$0")/window_probe.py"

# A session bus of our own carries the accessibility bus.
if [ -z "${TEMPOTIK_E2E_SESSION:-}" ]; then
    TEMPOTIK_E2E_SESSION=1 exec dbus-run-session -- bash "$(realpath "$0")" "$@"
fi

pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; }
trap cleanup EXIT

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$displayfile")"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
sleep 0.5

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
app=$!
pids+=($app)
window=$(xdotool search --sync --onlyvisible --name '^Tempotik$' | head -n 1)
xdotool windowfocus --sync "$window"

failures=0
caption() { "$probe" caption "$1"; }
# Waits up to two seconds for control $1 to show $2.
expect() {
    local seen
    for _ in $(seq 20); do
        seen=$(caption "$1")
        [ "$seen" = "$2" ] && { echo "ok: $1 shows $2"; return; }
        sleep 0.1
    done
    echo "FAILED: $1 shows '$seen', expected '$2'"
    failures=$((failures + 1))
}
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
klikknop() { click_at 91 24; }
totaalteller() { click_at 28 72; }

expect Totaalteller 0
expect Secondeover 99
sleep 0.3
expect Secondeover 99   # nothing moves before the first click

klikknop; klikknop; klikknop
expect Totaalteller 3
sleep 0.5
left=$(caption Secondeover)
if [ "$left" -lt 99 ]; then echo "ok: the countdown runs ($left)"; else
    echo "FAILED: the countdown stands at $left"; failures=$((failures + 1)); fi

totaalteller
expect Totaalteller 0
expect Secondeover 99
sleep 0.3
expect Secondeover 99   # the reset stopped the timer

# The mouse left the focus on the total; Tab takes it back to the big button.
xdotool key --window "$window" Tab
xdotool key --window "$window" space space Return
expect Totaalteller 3

# Closing the window while timing ends the program at once.
"$probe" close "$window"
for _ in $(seq 20); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "FAILED: still running after close"; failures=$((failures + 1));
else echo "ok: closing the window ended the program"; fi

echo "$((10 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
