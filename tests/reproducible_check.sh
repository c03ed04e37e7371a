#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Builds the packages twice and compares them byte for byte: once in this
# checkout with scripts/package, once from a copy of the source in another
# folder, under another umask, time zone, locale and clock, with the same
# SOURCE_DATE_EPOCH. On a difference it prints diffoscope's report and fails.
#   tests/reproducible_check.sh deb       the Debian package
#   tests/reproducible_check.sh windows   the zip, the installer and Tempotik.exe
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/source-date.sh
case ${1:-} in
deb) package=(scripts/package) build=build-program ;;
windows) package=(scripts/package windows) build=build-windows-program ;;
*)
    echo "usage: tests/reproducible_check.sh deb|windows" >&2
    exit 2
    ;;
esac
[ -n "$source_date" ] || {
    echo "reproducible_check: no date to build with: set SOURCE_DATE_EPOCH or run in a git checkout" >&2
    exit 1
}

with_source_date "${package[@]}"

work=$(mktemp -d /tmp/tempotik-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The source alone, without builds, packages or history, in a folder of
# another depth and name.
copy=$work/another/place/tempotik-source
mkdir -p "$copy"
tar -c --exclude-vcs --exclude='./build*' --exclude=./packages . | tar -x -C "$copy"
# A Dutch locale of the check's own, which needs no root to make.
mkdir -p "$work/locale"
localedef -i nl_NL -f UTF-8 "$work/locale/nl_NL.utf8" 2>/dev/null || true
[ -d "$work/locale/nl_NL.utf8" ] || {
    echo "reproducible_check: could not make the nl_NL.UTF-8 locale" >&2
    exit 1
}
echo "== the second build, in $copy: umask 0002, TZ New Zealand, nl_NL.UTF-8, the clock 397 days ahead"
# Only the clock is ahead: files keep the times they are written with, as
# make and CMake compare them.
(
    cd "$copy"
    umask 0002
    with_source_date env TZ=NZST-12NZDT,M9.5.0,M4.1.0/3 LOCPATH="$work/locale" LANG=nl_NL.UTF-8 \
        LC_ALL=nl_NL.UTF-8 NO_FAKE_STAT=1 timeout --kill-after=10 1800 faketime -f +397d "${package[@]}"
)

compared=("$copy"/packages/*)
[ "$1" = windows ] && compared+=("$copy/$build/Tempotik.exe")
status=0
for second in "${compared[@]}"; do
    first=${second#"$copy"/}
    [ "${first##*/}" = SHA256SUMS ] && continue
    if cmp -s "$first" "$second"; then
        echo "same bytes: $first $(sha256sum <"$first" | cut -c1-16)"
    else
        echo "DIFFERENT: $first"
        diffoscope --text - "$first" "$second" || true
        status=1
    fi
done
exit "$status"
