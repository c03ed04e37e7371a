#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# A blind user's session with the screen reader Orca, driven by keys, and
# what Orca said. The program runs on a private desktop with the
# accessibility bus; Orca speaks through speech-dispatcher into no sound
# device. Five clicks with Space start the timing; then, on each button,
# Orca's own commands: where-am-I, the detailed where-am-I, the title, the
# status bar, and a flat review moving through the window. None of them may
# reach the program: the total stays 5, no reset is heard, and Qt never
# reports a key it had to give the program unanswered. What Orca says for
# the status bar and where-am-I carries the figures the window shows. Last,
# Space on the total resets, as it should, and the status bar then tells the
# averages the reset leaves on screen. Prints the keys of each step,
# then what Orca said after them, and fails when a check does.
#   tests/orca_session.sh PROGRAM [LOCALE]
# LOCALE (nl_NL, say) is the user's: Orca's own words and voice follow it.
set -euo pipefail
program=$(realpath "$1")
user_locale=${2:-}
here=$(dirname "$(realpath "$0")")
probe=$here/window_probe.py
source "$here/session.sh"
source "$here/spoken.sh"
start_desktop

# Orca shares its core with a busy program, as on a busy desktop: it then
# answers late, and nothing may reach the program for that.
log=$scratch/orca.log
taskset -c 0 bash -c 'while :; do :; done' &
taskset -p -c 0 $$ >/dev/null
start_orca "$log" "$user_locale"
taskset -p -c 0-$(($(nproc) - 1)) $$ >/dev/null
"$program" 2>"$scratch/stderr" &
window=$(tempotik_window)

# Each step notes its time, to be put among Orca's timed lines at the end.
step() { echo "$(date +%H:%M:%S.%N) > $*" >>"$scratch/steps"; }
presses=0
# Pressed as a person presses: each key held a moment, so that its release
# comes while Orca carries out what its press asked for.
keys() {
    local key
    step "$@"
    for key in "$@"; do
        xdotool keydown "$key" sleep 0.1 keyup "$key" sleep 0.15
    done
    presses=$((presses + $#))
    sleep 1.5
}
# Orca's commands, with Num Lock off as Orca's desktop layout expects.
commands() {
    keys KP_Enter                         # where am I
    keys KP_Enter KP_Enter                # where am I, in detail
    keys Insert+KP_Enter                  # the title
    cijfers_before=$("$probe" caption Cijfers)
    keys Insert+KP_Enter Insert+KP_Enter  # the status bar
    cijfers_after=$("$probe" caption Cijfers)
    keys KP_Subtract                      # flat review on
    keys KP_Up                            # the line above
    keys KP_Page_Up                       # the line above that
    keys KP_Right                         # the next word
    keys KP_Subtract                      # flat review off
}

sleep 1  # Orca says that it is on
step "focus the window"
xdotool windowfocus --sync "$window"
sleep 2
keys space space space space space
sleep 1.5
presses=0
commands
klikknop_status=("$cijfers_before" "$cijfers_after")
keys Tab
commands
totaalteller_status=("$cijfers_before" "$cijfers_after")
orca_presses=$((presses - 1))  # the Tab between the two is the user's own
total=$("$probe" caption Totaalteller)
total_is() { [ "$("$probe" caption Totaalteller)" = "$1" ]; }
keys space
reset=no
wait_for 5 "the reset" total_is 0 && reset=yes
# The reset leaves the averages on screen, and the status bar tells them.
keys Insert+KP_Enter Insert+KP_Enter
after_reset=$(status_told 0 0 "$("$probe" caption Gemsecondeteller)" "$("$probe" caption Gemminuutteller)" 0)

# Stopped gently, Orca writes out the rest of its log. It handles the signal
# only once an event wakes it, and a quiet window sends none: a key does.
kill -TERM "$orca"
orca_ends() { xdotool key shift && not_running "$orca"; }
wait_for 10 "Orca to end" orca_ends || true
{
    cat "$scratch/steps"
    sed -n -E "s/^([0-9:.]+) - SPEECH OUTPUT: '(.*)' ?\[?\{'established.*/\1   \2/p" "$log"
} | sort | sed -E 's/^[0-9:.]+ //' >"$scratch/transcript"
cat "$scratch/transcript"
echo

# Prints what Orca said after the Nth step whose keys are $2.
said_after() {
    awk -v n="$1" -v keys="> $2" '
        /^>/ { inside = ($0 == keys && ++seen == n); next }
        inside' "$scratch/transcript"
}
# Succeeds when Orca read the status bar as it stood at some moment between
# the reading before the keys and the one after: with no click, every figure
# only falls or stays, so each figure heard lies between those two readings.
status_bar_read() {
    local heard
    heard=$(said_after "$1" "Insert+KP_Enter Insert+KP_Enter" |
        grep -oE "$(status_told '[0-9]+' '[0-9]+' '[0-9]+' '[0-9]+' '[0-9]+')" || true)
    [ -n "$heard" ] || return 1
    paste <(grep -oE '[0-9]+' <<<"$heard") <(grep -oE '[0-9]+' <<<"$2") \
        <(grep -oE '[0-9]+' <<<"$3") |
        awk 'NF != 3 || $1 > $2 || $1 < $3 { bad = 1 } END { exit bad || NR != 6 }'
}
# Succeeds when where-am-I on the total, the second KP_Enter step, read $1.
total_read_as() { said_after 2 KP_Enter | grep -q "^  Totaal: $1 "; }
no_key_given_unanswered() { ! grep -q keyEventError "$scratch/stderr"; }

check "$orca_presses presses of Orca's keys while timing added no click and reset nothing" \
    test "$total" = 5
check "Qt gave the program no key unanswered" no_key_given_unanswered
check "the status bar was read with the current figures on Klik hier!" \
    status_bar_read 1 "${klikknop_status[@]}"
check "the status bar was read with the current figures on the total" \
    status_bar_read 2 "${totaalteller_status[@]}"
check "where-am-I on the total read its current figure" total_read_as 5
check "Space on the total reset it" test "$reset" = yes
check "after the reset the status bar was read with the averages still shown" \
    grep -qF "$after_reset" <(said_after 3 "Insert+KP_Enter Insert+KP_Enter")
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ] || { echo "The program printed:" && cat "$scratch/stderr"; exit 1; }
