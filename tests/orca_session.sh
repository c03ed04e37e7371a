#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# A blind user's session with the screen reader Orca, driven by keys, and
# what Orca said. The program runs on a private desktop with the
# accessibility bus; Orca speaks through speech-dispatcher into no sound
# device. Prints the keys of each step, then what Orca said after them.
#   tests/orca_session.sh PROGRAM [LOCALE]
# LOCALE (nl_NL, say) is the user's: Orca's own words and voice follow it.
set -euo pipefail
program=$(realpath "$1")
user_locale=${2:-}
source "$(dirname "$(realpath "$0")")/session.sh"
start_desktop

log=$scratch/orca.log
start_orca "$log" "$user_locale"
"$program" &
window=$(tempotik_window)

# Each step notes its time, to be put among Orca's timed lines at the end.
step() { echo "$(date +%H:%M:%S.%N) > $*" >>"$scratch/steps"; }
keys() {
    step "$@"
    xdotool key --delay 150 "$@"
    sleep 1.5
}

sleep 1  # Orca says that it is on
step "focus the window"
xdotool windowfocus --sync "$window"
sleep 2
keys space space space space space
sleep 1.5
keys KP_Enter
keys KP_Enter KP_Enter
keys Insert+KP_Enter Insert+KP_Enter
keys Tab
keys KP_Enter
keys KP_Enter KP_Enter
# Flat review, with Num Lock off as Orca's desktop layout expects: current
# line, next line, current word, next word, the object under it.
keys KP_Subtract
keys KP_Up
keys KP_Page_Up
keys KP_Begin
keys KP_Right
keys Insert+KP_Begin
keys KP_Subtract
keys space
keys Tab

# Stopped gently, Orca writes out the rest of its log.
kill -TERM "$orca"
wait_for 10 "Orca to end" not_running "$orca" || true
{
    cat "$scratch/steps"
    sed -n -E "s/^([0-9:.]+) - SPEECH OUTPUT: '(.*)' ?\[?\{'established.*/\1   \2/p" "$log"
} | sort | sed -E 's/^[0-9:.]+ //'
