#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# End to end: the built program under a real X server, clicked and typed at
# with xdotool, its captions read through the accessibility bus.
#   tests/window_e2e.sh PROGRAM
set -euo pipefail
program=$1
probe="$(dirname "$0")/window_probe.py"
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/spoken.sh"
start_desktop

"$program" &
app=$!
window=$(tempotik_window)
xdotool windowfocus --sync "$window"
# Listens, as a screen reader does, for notifications coming into view.
heard=$scratch/heard
"$probe" notifications 80 >"$heard" &
wait_for 5 "the notification listener" grep -q listening "$heard"

caption() { "$probe" caption "$1"; }
caption_is() { [ "$(caption "$1")" = "$2" ]; }
# Succeeds once control $1 shows $2, waiting up to five seconds.
shows() {
    wait_for 5 "$1 to show $2" caption_is "$1" "$2" && return 0
    echo "$1 shows '$(caption "$1")'"
    return 1
}
expect() { check "$1 shows $2" shows "$1" "$2"; }
# What a screen reader reads of the countdowns is renewed once a second.
counts_down() { [ "$(caption Tiensecondenover)" -lt 10 ]; }
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
klikknop() { click_at 91 24; }
totaalteller() { click_at 28 72; }

check "the window shows its icon at every size" \
    test "$("$probe" icon "$window")" = "16x16 32x32 48x48 64x64 128x128"
menu_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../resources/nl.tempotik.Tempotik.desktop")
check "the window's class matches its menu entry" test "$("$probe" class "$window")" = "$menu_class"

# A screen reader finds every control, with its role and text, in reading
# order, then the window's status bar and notification, which only it hears.
tree_is() { test "$("$probe" tree)" = "$1"; }
check "the accessibility tree holds every control in reading order" \
    wait_for 5 "the tree" tree_is "$(start_tree linux)"
# Every value is tied to its caption or says what it is; the buttons say what
# they do; the program says it speaks Dutch.
told="Klikknop: 'Elke klik telt; de eerste klik start de meting.'
Totaalteller: labelled-by Totaal; 'Stopt de meting en zet het totaal, de tellingen en het aftellen terug; de gemiddelden blijven staan tot de volgende klik.'
Tiensecondenlabel: labelled-by Laatste...; label-for 0
Tiensecondenteller: labelled-by 10 Sec.; labelled-by Laatste...; 'Klikken in de laatste hele tien seconden.'
Tiensecondenover: labelled-by Laatste...; 'Aftellen: seconden tot de volgende tien seconden.'
Secondelabel: labelled-by Laatste...; label-for 0
Secondeteller: labelled-by Seconde; labelled-by Laatste...; 'Klikken in de laatste hele seconde.'
Secondeover: labelled-by Laatste...; 'Aftellen: honderdsten van een seconde tot de volgende seconde.'
Perminuutlabel: labelled-by Per...; label-for 0
Perminuutteller: labelled-by Minuut:; labelled-by Per...; 'Klikken in de laatste halve seconde, omgerekend per minuut.'
Pertiensecondenlabel: labelled-by Per...; label-for 0
Pertiensecondenteller: labelled-by 10 Sec.:; labelled-by Per...; 'Klikken in de laatste halve seconde, omgerekend per tien seconden.'
Persecondelabel: labelled-by Per...; label-for 0
Persecondeteller: labelled-by 1 Sec.:; labelled-by Per...; 'Klikken in de laatste halve seconde, omgerekend per seconde.'
Gemminuutlabel: labelled-by Gemiddelden; label-for 0
Gemminuutteller: labelled-by Per minuut:; labelled-by Gemiddelden; 'Gemiddeld aantal klikken per minuut sinds het begin.'
Gemtiensecondenlabel: labelled-by Gemiddelden; label-for 0
Gemtiensecondenteller: labelled-by Per 10 seconden:; labelled-by Gemiddelden; 'Gemiddeld aantal klikken per tien seconden sinds het begin.'
Gemseclabel: labelled-by Gemiddelden; label-for 0
Gemsecondeteller: labelled-by Per seconde:; labelled-by Gemiddelden; 'Gemiddeld aantal klikken per seconde sinds het begin.'"
check "each control tells a screen reader what it is" test "$("$probe" told)" = "$told"
check "the program says it speaks Dutch" test "$("$probe" locale)" = nl_NL
expect Totaalteller 0
expect Secondeover 99
sleep 0.3
expect Secondeover 99   # nothing moves before the first click

klikknop; klikknop; klikknop
expect Totaalteller 3
check "the countdown runs" wait_for 5 "the countdown" counts_down
# Read afresh, a figure's name is what the screen shows, not seconds behind it.
countdown=$("$probe" names Secondeover 5 0.15)
check "read afresh, the countdown's name runs with the screen ($countdown)" \
    test "$(tr ' ' '\n' <<<"$countdown" | sort -u | wc -l)" -ge 3
# While timing, a screen reader is told a few new names a second, never one
# a frame: it must keep up with the keys it is asked about.
renamed=$("$probe" changes 3 | cut -d' ' -f1)
check "a screen reader is told at most 5 names a second ($renamed in 3 s)" test "$renamed" -le 15
# The status bar tells the figures with their captions, renewed once a second.
figures_are() {
    [[ "$(caption Cijfers)" == $(status_told '*' 0 '*' '*' 3) ]]
}
check "the status bar tells the figures" wait_for 5 "the spoken figures" figures_are

# A reset is told to a screen reader at once, as a notification in view.
# Runs a command, then prints the notification it brought.
heard_more_than() { [ "$(wc -l <"$heard")" -gt "$1" ]; }
told_by() {
    local before
    before=$(wc -l <"$heard")
    "$@"
    wait_for 5 "a notification" heard_more_than "$before" || true
    sed -n "$((before + 1))p" "$heard"
}
told=$(told_by totaalteller)
expect Totaalteller 0
expect Secondeover 99
sleep 0.3
expect Secondeover 99   # the reset stopped the timer
# The averages stay on screen, and the reset and the status bar say so.
per_second=$(caption Gemsecondeteller) per_minute=$(caption Gemminuutteller)
check "a reset by mouse is told with the averages it leaves ($told)" \
    test "$told" = "$(reset_told "$per_second" "$per_minute")"
check "after a reset the status bar tells the averages on screen" \
    test "$(caption Cijfers)" = "$(status_told 0 0 "$per_second" "$per_minute" 0)"

# The mouse left the focus on the total; Tab takes it back to the big button,
# and then on to the total again, pressed by the keyboard.
xdotool key --window "$window" Tab
xdotool key --window "$window" space space Return
expect Totaalteller 3
xdotool key --window "$window" Tab
told=$(told_by xdotool key --window "$window" space)
tells_a_reset() { [[ "$1" == "Totaal: 0. De meting is gestopt"[.\;]* ]]; }
check "a reset by keyboard is told ($told)" tells_a_reset "$told"
expect Totaalteller 0

# Closing the window while timing ends the program at once.
"$probe" close "$window"
check "closing the window ended the program with status 0" finish 5 "$app"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
