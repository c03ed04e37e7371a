#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Installs the build into scratch roots with DESTDIR, under /usr and under an
# unusual prefix, and checks what a freedesktop desktop reads: the program,
# the menu entry, the icon theme's files and the metainfo, each valid.
#   tests/install_check.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
fail() { echo "FAILED: $*" && failures=$((failures + 1)); }
for prefix in /usr /opt/tempotik; do
    root="$scratch/root$(echo "$prefix" | tr / _)"
    DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >/dev/null
    (cd "$root$prefix" && find . -type f | sort) >"$scratch/files"
    expected="./bin/tempotik
./share/applications/nl.tempotik.Tempotik.desktop
./share/doc/tempotik/copyright
./share/icons/hicolor/32x32/apps/nl.tempotik.Tempotik.png
./share/icons/hicolor/64x64/apps/nl.tempotik.Tempotik.png
./share/metainfo/nl.tempotik.Tempotik.metainfo.xml"
    if [ "$(cat "$scratch/files")" != "$expected" ]; then
        fail "$prefix holds:" && cat "$scratch/files"
    fi
    desktop-file-validate "$root$prefix/share/applications/nl.tempotik.Tempotik.desktop" ||
        fail "desktop entry under $prefix"
    appstreamcli validate --no-net "$root$prefix/share/metainfo/nl.tempotik.Tempotik.metainfo.xml" ||
        fail "metainfo under $prefix"
    grep -q '<release version="1.00"' "$root$prefix/share/metainfo/nl.tempotik.Tempotik.metainfo.xml" ||
        fail "metainfo does not name version 1.00"
    file "$root$prefix/share/icons/hicolor/32x32/apps/nl.tempotik.Tempotik.png" | grep -q '32 x 32' ||
        fail "the theme's 32 × 32 icon is not 32 × 32"
    if readelf -d "$root$prefix/bin/tempotik" | grep -q -E 'RPATH|RUNPATH'; then
        fail "the installed program carries a library search path"
    fi
    echo "checked $prefix"
done
[ "$failures" -eq 0 ]
