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

# Orca and speech-dispatcher keep their settings under HOME; without a sound
# device speech-dispatcher would hang Orca, so it plays into libao's null driver.
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/.local/share
mkdir -p "$HOME"
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher"
sed -i 's/^# *AudioOutputMethod .*/AudioOutputMethod "libao"/' \
    "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo "default_driver=null" >"$HOME/.libao"

orca_environment=()
if [ -n "$user_locale" ]; then
    mkdir "$scratch/locale"
    localedef -i "$user_locale" -f UTF-8 "$scratch/locale/$user_locale.UTF-8"
    orca_environment=(LOCPATH="$scratch/locale" LANG="$user_locale.UTF-8" LC_ALL="$user_locale.UTF-8")
fi
log=$scratch/orca.log
env "${orca_environment[@]}" orca --debug-file="$log" >/dev/null 2>&1 &
orca=$!
"$program" &
window=$(tempotik_window)

# Each step notes its time, to be put among Orca's timed lines at the end.
step() { echo "$(date +%H:%M:%S.%N) > $*" >>"$scratch/steps"; }
keys() {
    step "$@"
    xdotool key --delay 150 "$@"
    sleep 1.5
}

# Orca is listening once it has told the accessibility registry what to send it.
orca_listens() {
    local bus
    bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress)
    dbus-send --bus="${bus// /}" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/registry org.a11y.atspi.Registry.GetRegisteredEvents |
        grep -q 'Object:StateChanged:Focused'
}
wait_for 30 "Orca" orca_listens
sleep 1  # and has said that it is on
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
