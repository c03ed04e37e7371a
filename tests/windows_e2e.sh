#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# End to end on Windows' terms: Tempotik.exe run under Wine from the folder
# of the Windows zip, with no other search path, on a desktop of its own,
# clicked with xdotool. The window is read off its pixels (the total by OCR,
# the reset by the window's own pixels at the start) and, as a Windows screen
# reader reads it, over UI Automation from a process of its own (UIA_PROBE).
# With "dark", Windows is in its dark mode, as a user may set it.
#   tests/windows_e2e.sh ZIP UIA_PROBE [dark]
set -euo pipefail
zip=$(realpath "$1")
uia_probe=$(realpath "$2")
mode=${3:-light}
here=$(dirname "$(realpath "$0")")
source "$here/session.sh"
source "$here/spoken.sh"
start_x
start_wine
# Light digits on a dark ground are turned dark on light for OCR.
ink=()
if [ "$mode" = dark ]; then
    "$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null 2>&1
    ink=(-negate)
fi
unzip -q "$zip" -d "$scratch"
folder=$scratch/$(basename "$zip" .zip)

(cd "$scratch" && "$wine" "$folder/Tempotik.exe" 2>"$scratch/stderr") &
app=$!
window=$(tempotik_window)

# The controls, in the window's own pixels: width x height + left + top.
total_button=41x17+16+64
# Its caption alone, inside the button's rounded edge, which OCR would read
# as a digit.
total_caption=37x13+18+66
countdown=17x17+152+80
# Prints the picture of an area of the window, as text that compares.
area() { import -window "$window" -crop "$1" +repage rgb:- | od -An -v -tx1 | tr -d ' \n'; }
# Prints the digits OCR reads in an area of the window: dark on white alone,
# without the button's fill around them.
digits() {
    import -window "$window" -crop "$1" +repage png:- |
        convert - -colorspace Gray "${ink[@]}" -filter Catrom -resize 400% -normalize \
            -threshold 40% -bordercolor white -border 30 png:- |
        tesseract stdin stdout --psm 7 -c tessedit_char_whitelist=0123456789 2>/dev/null |
        tr -d '\n '
}
reads() { [ "$(digits "$1")" = "$2" ]; }
looks() { [ "$(area "$1")" = "$2" ]; }
changes() { ! looks "$@"; }
stays() {
    local before
    before=$(area "$1")
    sleep 0.5
    [ "$(area "$1")" = "$before" ]
}
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# Prints what the UI Automation client reads (uia_probe.cpp). Its output goes
# to a file, which Wine's own processes do not hold open as they would a pipe.
uia() {
    "$wine" "$uia_probe" "$@" >"$scratch/uia" 2>>"$scratch/uia-stderr"
    tr -d '\r' <"$scratch/uia"
}
# Prints the name of the element of type $1 in tree $3 that starts with $2.
named() { sed -n "s/^ *$1 \($2.*\)/\1/p" <<<"$3" | head -n 1; }

# The mouse rests where it lights up no control.
rest() { xdotool mousemove --window "$window" 180 231; }

size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
check "the window Tempotik shows a client area of 183x234 ($size)" test "$size" = 183x234
rest
# Drawn whole and still: nothing in the window moves before the first click.
# Its first paint can take seconds on a loaded machine.
wait_for 30 "the window to be painted" stays 183x234+0+0
at_start_total=$(area "$total_button") at_start_countdown=$(area "$countdown")
check "nothing moves before the first click" stays "$countdown"

# A Windows screen reader finds every control in reading order, each figure
# named with what it counts and each caption heard once, then the status bar.
check "UI Automation reads every control in reading order" test "$(uia tree)" = "$(start_tree windows)"
# Each control is described as the window's definition describes it.
described=$(sed -n "s/^[^']*'\(.*\)'$/\1/p" <<<"$(uia told)" | sort)
defined=$(grep -A1 accessibleDescription "$here/../window/tempotikform.ui" |
    sed -n 's/.*<string>\(.*\)<\/string>.*/\1/p' | sort)
check "UI Automation reads each control's description" test "$described" = "$defined"

for _ in $(seq 12); do
    click_at 91 24
    sleep 0.05
done
check "12 clicks are counted and read back" wait_for 5 "the total to read 12" reads "$total_caption" 12
check "the countdown runs" wait_for 5 "the countdown to move" changes "$countdown" "$at_start_countdown"

tree=$(uia tree)
on_screen=$(digits "$total_caption")
check "UI Automation names the total as the screen shows it ($on_screen)" \
    test "$(named button Totaal: "$tree")" = "Totaal: $on_screen"
check "UI Automation reads a value with its caption ($(named text 'Per minuut: [0-9]' "$tree"))" \
    grep -Eqx ' *text Per minuut: [0-9]+' <<<"$tree"
# The status bar is renewed once a second.
status_tells_total() {
    [[ "$(named "status bar" Laatste "$(uia tree)")" == $(status_told '*' '*' '*' '*' "$on_screen") ]]
}
check "UI Automation reads the status bar" wait_for 10 "the status bar" status_tells_total
echo "UI Automation read: $(named "status bar" Laatste "$(uia tree)")"
check "UI Automation reads no figure as a bare number" test -z "$(grep -E '^ *text [0-9]+$' <<<"$tree")"

click_at 36 72
# The focus goes back to the big button, so that the total's looks as it did.
xdotool key --window "$window" Tab
rest
check "the total's button resets the total" \
    wait_for 5 "the total as at the start" looks "$total_button" "$at_start_total"
check "and the countdown, which stops" \
    wait_for 5 "the countdown as at the start" looks "$countdown" "$at_start_countdown"
check "it stays stopped" stays "$countdown"

"$here/window_probe.py" close "$window"
check "the close box ends it with status 0" finish 10 "$app"
check "it printed nothing" test ! -s "$scratch/stderr"
cat "$scratch/stderr"
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
