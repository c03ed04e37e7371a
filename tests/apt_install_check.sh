#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Installs the Debian package with apt as a user would, on whichever Debian
# release this is, starts the installed program on a desktop of its own,
# closes it, and purges the package: nothing of it may stay behind. Changes
# the machine, so it is run by scripts/test install, not by ctest.
#   tests/apt_install_check.sh DEB
set -euo pipefail
deb=$(realpath "$1")
tests=$(dirname "$(realpath "$0")")
source "$tests/session.sh"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq)
# The package and what it pulls in go again on every way out.
trap 'stop_everything || true; "${apt[@]}" purge tempotik >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT

echo "$(. /etc/os-release && echo "$PRETTY_NAME"): installing $(basename "$deb")"
"${apt[@]}" install "$deb" >"$scratch/apt.log" 2>&1 ||
    { cat "$scratch/apt.log" && fail "apt could not install the package" && exit 1; }
start_desktop
/usr/bin/tempotik &
app=$!
window=$(tempotik_window "$app")
xdotool mousemove --window "$window" 90 20 click --repeat 5 --delay 50 1
total_is() { [ "$("$tests/window_probe.py" caption Totaalteller)" = "$1" ]; }
check "the installed program counted five clicks" wait_for 10 "a total of 5" total_is 5
"$tests/window_probe.py" close "$window"
status=0
finish 10 "$app" || status=$?
check "the installed program closed with status 0" test "$status" -eq 0

"${apt[@]}" purge tempotik >"$scratch/apt.log" 2>&1 || fail "apt could not purge the package"
check "the purge left no package" test -z "$(dpkg-query -W -f='${Status}' tempotik 2>/dev/null)"
check "the purge left none of its files" test ! -e /usr/bin/tempotik -a \
    ! -e /usr/share/applications/nl.tempotik.Tempotik.desktop -a ! -e /usr/share/doc/tempotik
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
