#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Builds the Debian package, reads its name, version, dependencies and
# contents, unpacks it into a scratch root and starts the unpacked program.
#   tests/package_check.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
tests=$(dirname "$(realpath "$0")")
probe=$tests/window_probe.py
source "$tests/session.sh"
start_x
start_session_bus

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(echo "$scratch"/out/tempotik_1.00_*.deb)
echo "built $(basename "$deb")"
dpkg-deb --contents "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tempotik ] || fail "package name $(field Package)"
[ "$(field Version)" = 1.00 ] || fail "version $(field Version)"
depends=$(field Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libc6 qt6-qpa-plugins fonts-crosextra-carlito; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done

dpkg -x "$deb" "$scratch/root"
for file in usr/bin/tempotik usr/share/applications/nl.tempotik.Tempotik.desktop \
    usr/share/icons/hicolor/32x32/apps/nl.tempotik.Tempotik.png \
    usr/share/metainfo/nl.tempotik.Tempotik.metainfo.xml; do
    [ -f "$scratch/root/$file" ] || fail "the package lacks /$file"
done

"$scratch/root/usr/bin/tempotik" &
app=$!
window=$(tempotik_window)
[ "$("$probe" icon "$window")" = 32x32 ] || fail "the window has no 32 × 32 icon"
"$probe" close "$window"
status=0
finish 10 "$app" || status=$?
[ "$status" -eq 0 ] || fail "the unpacked program exited with status $status"
echo "the unpacked program opened its window and closed with status $status"
[ "$failures" -eq 0 ]
