#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# scripts/deb-src, which lets apt fetch Qt's source for the Windows build,
# on both of apt's layouts in scratch folders: one-line entries only (as
# Debian's installer writes them), with and without source lines, and deb822
# stanzas only. What it writes must be what apt reads as source entries for
# Debian's own entries alone; with no entry of Debian's it fails, saying so.
#   tests/deb_src_check.sh
set -euo pipefail
# Listings sort, and tools speak, the same in every locale.
export LC_ALL=C.UTF-8
deb_src=$(dirname "$(realpath "$0")")/../scripts/deb-src
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAILED: $*" && failures=$((failures + 1)); }

# Prints the source indexes that apt, given the folder $1, would fetch.
sources_fetched() {
    mkdir -p "$scratch/lists/partial"
    apt-get -o Dir::Etc::sourcelist="$1/sources.list" -o Dir::Etc::sourceparts="$1/sources.list.d" \
        -o Dir::State::Lists="$scratch/lists" -o Debug::NoLocking=1 update --print-uris 2>/dev/null |
        sed -n -E "s|^'([^']*)/source/Sources\.xz'.*|\1|p" | sort
}
# Makes the folder $1 with sources.list $2 and, named $3, the stanzas $4.
layout() {
    mkdir -p "$scratch/$1/sources.list.d"
    [ -z "$2" ] || printf '%s\n' "$2" >"$scratch/$1/sources.list"
    [ -z "${3:-}" ] || printf '%s\n' "$4" >"$scratch/$1/sources.list.d/$3"
}
# Runs deb-src on the folder $1, then checks what apt would fetch ($2).
expect() {
    "$deb_src" "$scratch/$1" || fail "$1: deb-src failed"
    local fetched
    fetched=$(sources_fetched "$scratch/$1")
    [ "$fetched" = "$2" ] || { fail "$1: apt would fetch" && echo "$fetched"; }
}

installer='# deb cdrom:[Debian GNU/Linux 12.8.0 _Bookworm_ - Official amd64 NETINST]/ bookworm main
deb http://deb.debian.org/debian/ bookworm main
deb http://security.debian.org/debian-security bookworm-security main
deb [signed-by=/usr/share/keyrings/vendor.gpg] https://apt.vendor.example/ stable main'
layout one-line "$installer"
expect one-line "http://deb.debian.org/debian/dists/bookworm/main
http://security.debian.org/debian-security/dists/bookworm-security/main"

layout one-line-with-source "$installer
deb-src http://deb.debian.org/debian/ bookworm main"
expect one-line-with-source "http://deb.debian.org/debian/dists/bookworm/main
http://security.debian.org/debian-security/dists/bookworm-security/main"
[ ! -e "$scratch/one-line-with-source/sources.list.d/tempotik-qt-source.sources" ] ||
    fail "one-line-with-source: a .sources file written for no stanza"

layout stanzas "" debian.sources 'Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg'
printf 'Types: deb\nURIs: https://apt.vendor.example/\nSuites: stable\nComponents: main\n' \
    >"$scratch/stanzas/sources.list.d/vendor.sources"
expect stanzas "http://deb.debian.org/debian-security/dists/bookworm-security/main
http://deb.debian.org/debian/dists/bookworm-updates/main
http://deb.debian.org/debian/dists/bookworm/main"
expect stanzas "http://deb.debian.org/debian-security/dists/bookworm-security/main
http://deb.debian.org/debian/dists/bookworm-updates/main
http://deb.debian.org/debian/dists/bookworm/main"  # a second run changes nothing

layout none ""
if "$deb_src" "$scratch/none" 2>"$scratch/said"; then
    fail "none: deb-src succeeded with no entry of Debian's"
fi
grep -q "no entry of Debian's" "$scratch/said" || fail "none: deb-src did not say why it failed"
[ "$failures" -eq 0 ] && echo "source entries for both layouts, and none from nothing"
