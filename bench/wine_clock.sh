#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# The clock of the Windows build under Wine, whose timers are Windows' own
# as Wine makes them: tempotik-clockbench idle for 30 s, then for 30 s with
# two CPU-bound processes and 1000 clicks sent by xdotool, each beside a plain
# 10 ms QTimer in the same run. Prints a table; Wine is not Windows.
#   bench/wine_clock.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/../tests/session.sh"
start_x
start_wine
bench() { (cd "$scratch" && "$wine" "$build/tempotik-clockbench.exe" fidelity 30 2>/dev/null); }

echo "time fidelity under Wine, idle, 30 s…" >&2
idle=$(bench)
echo "time fidelity under Wine, two CPU-bound processes and 1000 clicks, 30 s…" >&2
hogs=()
for _ in 1 2; do (while :; do :; done) & hogs+=($!); done
bench >"$scratch/load" &
run=$!
window=$(tempotik_window)
sleep 0.5
xdotool mousemove --window "$window" 91 24
for _ in 1 2 3 4 5; do
    xdotool click --repeat 200 --delay 0 1
    sleep 1.5
done
wait "$run"
kill "${hogs[@]}"
load=$(cat "$scratch/load")

field() { sed -n "s/.*$2=\([^ ]*\).*/\1/p" <<<"$1"; }
line() { printf '| %-46s | %-24s | %-24s |\n' "$1" "$2" "$3"; }
row() {  # label, run, field[, unit]
    line "$1" "$(field "$(grep tick <<<"$2")" "$3")${4:-}" "$(field "$(grep plain <<<"$2")" "$3")${4:-}"
}
echo
line "Under Wine $("$wine" --version | sed "s/^wine-\([^ ]*\).*/\1/"), not Windows" "Tempotik.exe" "Baseline: plain QTimer"
line "---" "---" "---"
row "Wall s per program s, idle, 30 s" "$idle" wall_per_program_second
row "Worst lateness of a second boundary, idle" "$idle" worst_lateness_ms " ms"
row "Wall s per program s, load + clicks, 30 s" "$load" wall_per_program_second
row "Worst lateness of a second boundary, load" "$load" worst_lateness_ms " ms"
row "Clicks counted of 1001 sent (1000 + start)" "$load" clicks
row "Stopped by an overflow, load" "$load" overflowed
