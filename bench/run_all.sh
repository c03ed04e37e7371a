#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Runs every benchmark and prints two tables, each figure beside its baseline
# from the same run, on a desktop of its own (tests/session.sh).
#   bench/run_all.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:-build}")
here=$(dirname "$(realpath "$0")")
tempotik=$build/window/tempotik
clockbench=$build/bench/tempotik-clockbench
cpubench=$build/bench/tempotik-cpubench
source "$here/../tests/session.sh"
start_x

pids=()

say() { echo "$*" >&2; }
field() { sed -n "s/.*$2=\([^ ]*\).*/\1/p" <<<"$1"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Prints the per cent of one core that process $1 uses over $2 seconds.
cpu_percent() {
    local before after
    before=$(cpu_ticks "$1"); sleep "$2"; after=$(cpu_ticks "$1")
    awk -v d=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$2" 'BEGIN { printf "%.1f", 100 * d / hz / s }'
}

say "core throughput…"
core=$("$build/bench/tempotik-bench" --benchmark_format=json 2>/dev/null | /usr/bin/python3 -c '
import json, sys
runs = {run["name"]: run for run in json.load(sys.stdin)["benchmarks"]}
print("tick=%.2f roundtrip=%.2f driver=%.2f driver_ms=%.0f idle_ms=%.1f" % (
    runs["BM_Tick"]["items_per_second"] / 1e6,
    runs["BM_CaptionRoundTrip"]["items_per_second"] / 1e6,
    runs["BM_TraceDriver/real_time"]["items_per_second"] / 1e6,
    runs["BM_TraceDriver/real_time"]["real_time"],
    runs["BM_TraceDriverIdle/real_time"]["real_time"]))')

say "time fidelity, idle, 30 s…"
idle=$("$clockbench" fidelity 30 2>/dev/null)

say "time fidelity under load (two CPU-bound processes, 1000 clicks), 30 s…"
for _ in 1 2; do (while :; do :; done) & pids+=($!); done
"$clockbench" fidelity 30 >"$build/fidelity-load.txt" 2>/dev/null &
bench=$!
window=$(tempotik_window "$bench")
sleep 0.5
xdotool mousemove --window "$window" 91 24
for _ in 1 2 3 4 5; do
    xdotool click --repeat 200 --delay 0 1
    sleep 1.5
done
wait "$bench"
kill "${pids[@]}" 2>/dev/null || true
load=$(cat "$build/fidelity-load.txt")

# Prints the median of three runs of $2 seconds: the per cent of one core
# that a program ($3...) uses once its window shows; Tempotik after one click.
cpu_while_timing() {
    local seconds=$1 runs=()
    shift
    for _ in 1 2 3; do
        "$@" 2>/dev/null &
        local app=$!
        local window
        window=$(tempotik_window "$app")
        sleep 0.5
        [ "$1" = "$tempotik" ] && xdotool mousemove --window "$window" 91 24 click 1
        runs+=("$(cpu_percent "$app" "$seconds")")
        kill "$app"
        wait "$app" 2>/dev/null || true
    done
    printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p
}
# The three programs side by side; prints name=figure for each.
cpu_side_by_side() {
    echo "tempotik=$(cpu_while_timing 10 "$tempotik")" \
        "label=$(cpu_while_timing 10 "$cpubench" label)" \
        "empty=$(cpu_while_timing 10 "$cpubench" empty)"
}

say "CPU while timing, idle, and with a screen reader, median of 3 runs of 10 s each…"
"$tempotik" 2>/dev/null &
app=$!
window=$(tempotik_window "$app")
sleep 0.5
cpu_idle=$(cpu_percent "$app" 10)
kill "$app"
wait "$app" 2>/dev/null || true
cpu_plain=$(cpu_side_by_side)
start_session_bus
start_accessibility_bus
start_orca ""
cpu_heard=$(cpu_side_by_side)

say "start-up, median of 7 runs…"
start_real=$(/usr/bin/python3 "$here/startup.py" 7 "$tempotik")
start_plain=$(/usr/bin/python3 "$here/startup.py" 7 "$clockbench" window)

line() { printf '| %-46s | %-24s | %-24s |\n' "$1" "$2" "$3"; }
echo
line "Figure" "Tempotik" "Baseline"
line "---" "---" "---"
line "Wall s per program s, idle, 30 s" "$(field "$(grep tick <<<"$idle")" wall_per_program_second)" \
    "$(field "$(grep plain <<<"$idle")" wall_per_program_second) (plain QTimer)"
line "Worst lateness of a second boundary, idle" "$(field "$(grep tick <<<"$idle")" worst_lateness_ms) ms" \
    "$(field "$(grep plain <<<"$idle")" worst_lateness_ms) ms"
line "Wall s per program s, load + clicks, 30 s" "$(field "$(grep tick <<<"$load")" wall_per_program_second)" \
    "$(field "$(grep plain <<<"$load")" wall_per_program_second) (plain QTimer)"
line "Worst lateness of a second boundary, load" "$(field "$(grep tick <<<"$load")" worst_lateness_ms) ms" \
    "$(field "$(grep plain <<<"$load")" worst_lateness_ms) ms"
line "Clicks counted of 1001 sent (1000 + start)" "$(field "$(grep tick <<<"$load")" clicks)" \
    "$(field "$(grep plain <<<"$load")" clicks)"
line "CPU idle, % of one core, 10 s" "$cpu_idle" "-"
line "Start-up to window mapped, median of 7" "$(field "$start_real" median_ms) ms" \
    "$(field "$start_plain" median_ms) ms (empty QWidget)"
line "Peak resident memory" "$(field "$start_real" peak_rss_mb) MB" \
    "$(field "$start_plain" peak_rss_mb) MB (empty QWidget)"
line "Core ticks per second" "$(field "$core" tick) M" "$(field "$core" roundtrip) M caption round trips"
line "tempotik-trace: c, t 1638400" "$(field "$core" driver_ms) ms ($(field "$core" driver) M ticks/s)" \
    "$(field "$core" idle_ms) ms (timer off, no tick)"

echo
line "CPU while timing, % of one core" "Tempotik" "Baselines"
line "---" "---" "---"
line "No screen reader" "$(field "$cpu_plain" tempotik)" \
    "$(field "$cpu_plain" label) one label; $(field "$cpu_plain" empty) empty"
line "Orca running (accessibility bus on)" "$(field "$cpu_heard" tempotik)" \
    "$(field "$cpu_heard" label) one label; $(field "$cpu_heard" empty) empty"
