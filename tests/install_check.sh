#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Installs the build into scratch roots with DESTDIR, under /usr and under an
# unusual prefix, and checks what a freedesktop desktop reads: the program,
# the menu entry, the icon theme's files and the metainfo, each valid.
#   tests/install_check.sh BUILD_DIR
set -euo pipefail
# Listings sort, and tools speak, the same in every locale.
export LC_ALL=C.UTF-8
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
./share/doc/tempotik/changelog.gz
./share/doc/tempotik/copyright
./share/icons/hicolor/128x128/apps/nl.tempotik.Tempotik.png
./share/icons/hicolor/16x16/apps/nl.tempotik.Tempotik.png
./share/icons/hicolor/256x256/apps/nl.tempotik.Tempotik.png
./share/icons/hicolor/32x32/apps/nl.tempotik.Tempotik.png
./share/icons/hicolor/48x48/apps/nl.tempotik.Tempotik.png
./share/icons/hicolor/64x64/apps/nl.tempotik.Tempotik.png
./share/man/man1/tempotik.1.gz
./share/metainfo/nl.tempotik.Tempotik.metainfo.xml"
    if [ "$(cat "$scratch/files")" != "$expected" ]; then
        fail "$prefix holds:" && cat "$scratch/files"
    fi
    desktop-file-validate "$root$prefix/share/applications/nl.tempotik.Tempotik.desktop" ||
        fail "desktop entry under $prefix"
    metainfo=$root$prefix/share/metainfo/nl.tempotik.Tempotik.metainfo.xml
    appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli on the metainfo"
    # The strict validator wants a public web address, which the program does not have.
    strict=$(appstream-util validate-strict "$metainfo" 2>&1 || true)
    if grep '•' <<<"$strict" | grep -v -q 'tag-missing *: <url> is not present'; then
        fail "appstream-util validate-strict:" && echo "$strict"
    fi
    grep -q '<release version="1.00"' "$metainfo" || fail "metainfo does not name version 1.00"
    for size in 16 32 48 64 128 256; do
        file "$root$prefix/share/icons/hicolor/${size}x${size}/apps/nl.tempotik.Tempotik.png" |
            grep -q "$size x $size" || fail "the theme's $size × $size icon is not $size × $size"
    done
    if readelf -d "$root$prefix/bin/tempotik" | grep -q -E 'RPATH|RUNPATH'; then
        fail "the installed program carries a library search path"
    fi
    echo "checked $prefix"
done
[ "$failures" -eq 0 ]
