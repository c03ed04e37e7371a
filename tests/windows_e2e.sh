#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# End to end on Windows' terms: Tempotik.exe run under Wine from the folder
# of the Windows zip, with no other search path, on a desktop of its own,
# clicked with xdotool. The window is read off its pixels (the total by OCR,
# the reset by the window's own pixels at the start) and, as a Windows screen
# reader reads it, over UI Automation from a process of its own (UIA_PROBE).
#   tests/windows_e2e.sh ZIP UIA_PROBE
set -euo pipefail
zip=$(realpath "$1")
uia_probe=$(realpath "$2")
here=$(dirname "$(realpath "$0")")
source "$here/session.sh"
source "$here/spoken.sh"
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
# Prints what the UI Automation client reads (uia_probe.cpp). Its output goes
# to a file, which Wine's own processes do not hold open as they would a pipe.
uia() {
    "$wine" "$uia_probe" "$@" >"$scratch/uia" 2>>"$scratch/uia-stderr"
    tr -d '\r' <"$scratch/uia"
}
# Prints the name of the element of type $1 in tree $3 that starts with $2.
named() { sed -n "s/^ *$1 \($2.*\)/\1/p" <<<"$3" | head -n 1; }
# What Wine 10 cannot carry between processes, said rather than checked.
unheard() { grep "unheard" "$1" | sed 's/^/UNHEARD under Wine: /' || true; }

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

# A Windows screen reader finds every control in reading order, each value
# named with its caption, then the status bar.
start_tree="window Tempotik
  button Klik hier!
  group Totaal
    button Totaal: 0
  group Laatste...
    text 10 Sec.
    text 10 Sec. 0
    text 10
    text Seconde
    text Seconde 0
    text 99
  group Per...
    text Minuut:
    text Minuut: 0
    text 10 Sec.:
    text 10 Sec.: 0
    text 1 Sec.:
    text 1 Sec.: 0
  group Gemiddelden
    text Per minuut:
    text Per minuut: 0
    text Per 10 seconden:
    text Per 10 seconden: 0
    text Per seconde:
    text Per seconde: 0
  status bar Nog geen meting."
check "UI Automation reads every control in reading order" test "$(uia tree)" = "$start_tree"
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
# While timing, a screen reader is told of a few new names a second.
uia events 3 >"$scratch/renamed"
unheard "$scratch/renamed"
if ! grep -q "name changes unheard" "$scratch/renamed"; then
    renamed=$(grep -c '^name ' "$scratch/renamed" || true)
    check "UI Automation hears at most 5 names a second ($renamed in 3 s)" test "$renamed" -le 15
fi
# A reset is announced, with the averages it leaves on screen.
"$wine" "$uia_probe" events 8 >"$scratch/heard" 2>>"$scratch/uia-stderr" &
listener=$!
wait_for 20 "the UI Automation listener" grep -q listening "$scratch/heard"

click_at 36 72
# The focus goes back to the big button, so that the total's looks as it did.
xdotool key --window "$window" Tab
rest
check "the total's button resets the total" \
    wait_for 5 "the total as at the start" looks "$total_button" "$at_start_total"
check "and the countdown, which stops" \
    wait_for 5 "the countdown as at the start" looks "$countdown" "$at_start_countdown"
check "it stays stopped" stays "$countdown"
finish 20 "$listener" || true
unheard "$scratch/heard"
if ! grep -q "notifications unheard" "$scratch/heard"; then
    tree=$(uia tree)
    told=$(tr -d '\r' <"$scratch/heard" | sed -n 's/^notification //p' | head -n 1)
    check "UI Automation hears the reset ($told)" test "$told" = \
        "$(reset_told "$(named text 'Per seconde: [0-9]' "$tree" | cut -d' ' -f3)" \
            "$(named text 'Per minuut: [0-9]' "$tree" | cut -d' ' -f3)")"
fi

"$here/window_probe.py" close "$window"
check "the close box ends it with status 0" finish 10 "$app"
check "it printed nothing" test ! -s "$scratch/stderr"
cat "$scratch/stderr"
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
