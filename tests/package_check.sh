#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Builds the Debian package, reads its name, version, dependencies and
# contents, unpacks it into a scratch root and starts the unpacked program.
# With --hardened, as the package is built, lintian and hardening-check must
# find nothing to report. A cross build's program starts under its emulator.
#   tests/package_check.sh BUILD_DIR [--hardened] [--emulator EMULATOR]
set -euo pipefail
build=$(realpath "$1")
shift
hardened= emulator=()
while [ $# -gt 0 ]; do
    case $1 in
    --hardened) hardened=$1 ;;
    --emulator) emulator=("$2") && shift ;;
    esac
    shift
done
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
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends: $(field Recommends)"

if [ "$hardened" = --hardened ]; then
    # Errors and warnings, and any hardening the binary lacks, are faults.
    tags=$(lintian --pedantic -I -E "$deb" 2>/dev/null || true)
    echo "lintian: ${tags:-nothing to report}"
    if grep -E '^(E|W): |hardening' <<<"$tags"; then
        fail "lintian found the above"
    fi
fi

dpkg -x "$deb" "$scratch/root"
for file in usr/bin/tempotik usr/share/applications/nl.tempotik.Tempotik.desktop \
    usr/share/icons/hicolor/32x32/apps/nl.tempotik.Tempotik.png \
    usr/share/metainfo/nl.tempotik.Tempotik.metainfo.xml; do
    [ -f "$scratch/root/$file" ] || fail "the package lacks /$file"
done

if [ "$hardened" = --hardened ]; then
    # Debian 12's C library and start files carry no control-flow (CET)
    # marking, so no program linked with them can; the compiler's part is done.
    # A program that copies into no buffer of a size known when compiling has
    # no fortified call to show, which hardening-check's manual calls a false
    # alarm; that the build asks for them is read off its flags instead.
    # Debian 13's hardening-check asks every program for AArch64's branch
    # protection, which only an arm64 program can have.
    skip=(--nocfprotection --nofortify)
    grep -q -- '-D_FORTIFY_SOURCE=[1-3]' "$build/tests/compile-options.txt" ||
        fail "the program is built without fortified functions"
    if [[ "$(hardening-check --help 2>&1)" == *nobranchprotection* &&
        "$(file -L "$scratch/root/usr/bin/tempotik")" != *aarch64* ]]; then
        skip+=(--nobranchprotection)
    fi
    hardening-check "${skip[@]}" "$scratch/root/usr/bin/tempotik" ||
        fail "hardening-check on the packaged program"
fi

"${emulator[@]}" "$scratch/root/usr/bin/tempotik" &
app=$!
window=$(tempotik_window)
icon=$("$probe" icon "$window")
[ "$icon" = "16x16 32x32 48x48 64x64 128x128" ] || fail "the window's icon sizes: $icon"
hints=$("$probe" hints "$window")
[ "$hints" = "maximize no, size 183x234 to 183x234" ] || fail "the window offers: $hints"
"$probe" close "$window"
status=0
finish 10 "$app" || status=$?
[ "$status" -eq 0 ] || fail "the unpacked program exited with status $status"
echo "the unpacked program opened its window and closed with status $status"
[ "$failures" -eq 0 ]
