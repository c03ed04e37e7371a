#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# End to end on Windows' terms: Tempotik.exe run under Wine from the folder
# of the Windows zip, with no other search path, on a desktop of its own,
# clicked with xdotool. With no screen reader's bus on Wine, the window is
# read off its pixels: the total by OCR, the reset by the window's own pixels
# at the start.
#   tests/windows_e2e.sh ZIP
set -euo pipefail
zip=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/session.sh"
start_x
start_wine
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
# Prints the digits OCR reads in an area of the window.
digits() {
    import -window "$window" -crop "$1" +repage png:- |
        convert - -colorspace Gray -filter Catrom -resize 400% -bordercolor white -border 30 \
            -normalize png:- |
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

for _ in $(seq 12); do
    click_at 91 24
    sleep 0.05
done
check "12 clicks are counted and read back" wait_for 5 "the total to read 12" reads "$total_caption" 12
check "the countdown runs" wait_for 5 "the countdown to move" changes "$countdown" "$at_start_countdown"

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
