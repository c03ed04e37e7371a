#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Runs a program of the Windows build under Wine on a desktop of its own: an
# X server and a Wine prefix that end with it. The build runs its own tools
# and tests through it (CMAKE_CROSSCOMPILING_EMULATOR); each has Qt and the
# MinGW runtime linked in.
#   tests/wine.sh PROGRAM [ARGUMENT...]
set -euo pipefail
source "$(dirname "$(realpath "$0")")/session.sh"
start_x
start_wine
# Shorter than the test's own limit, so that everything here is ended first.
status=0
timeout --kill-after=5 "${TEMPOTIK_WINE_SECONDS:-100}" "$wine" "$@" || status=$?
exit "$status"
