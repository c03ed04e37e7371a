#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# What a Windows user downloads and waits for, for each Windows zip named:
# its size, its size and number of files unpacked, and the time from start
# to the window under Wine (median of RUNS, the zips taken in turn, so that
# each run of one stands beside a run of the other). Prints a table; Wine is
# not Windows.
#   bench/wine_startup.sh RUNS ZIP [ZIP...]
set -euo pipefail
runs=$1
shift
here=$(dirname "$(realpath "$0")")
zips=()
for zip in "$@"; do zips+=("$(realpath "$zip")"); done
source "$here/../tests/session.sh"
start_x
start_wine
line() { printf '| %-44s | %-12s | %-12s | %-8s | %-16s |\n' "$@"; }
line "Under Wine $("$wine" --version | sed 's/^wine-//'), not Windows" "zip" "unpacked" "files" "start to window"
line "---" "---" "---" "---" "---"
declare -A times
for run in $(seq "$runs"); do
    for i in "${!zips[@]}"; do
        folder=$scratch/$i
        [ -d "$folder" ] || unzip -q "${zips[$i]}" -d "$folder"
        program=$(find "$folder" -name Tempotik.exe)
        measured=$(cd "$scratch" && /usr/bin/python3 "$here/startup.py" --title Tempotik 1 "$wine" "$program")
        times[$i]+="${measured%% *} "
        echo "run $run, ${zips[$i]##*/}: ${measured%% *}" >&2
    done
done
for i in "${!zips[@]}"; do
    median=$(tr ' ' '\n' <<<"${times[$i]//median_ms=/}" | sed '/^$/d' | sort -n | sed -n "$(((runs + 1) / 2))p")
    line "${zips[$i]}" "$(du -b "${zips[$i]}" | awk '{printf "%.1f MB", $1 / 1e6}')" \
        "$(find "$scratch/$i" -type f -print0 | du -cb --files0-from=- | awk 'END {printf "%.1f MB", $1 / 1e6}')" \
        "$(find "$scratch/$i" -type f | wc -l)" "$median ms"
done
