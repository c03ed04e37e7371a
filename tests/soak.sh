#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Soak: the real program timing for SECONDS under a real X server, with a
# burst of 20 clicks every three seconds. Fails when a click goes uncounted,
# when the program prints anything, or when its resident memory grows by 1 MB
# or more after the warm-up (a fifth of the run, at most a minute).
#   tests/soak.sh PROGRAM SECONDS [--no-memory-check]
# --no-memory-check is for sanitizer builds, whose quarantine holds freed memory.
set -euo pipefail
program=$1 seconds=$2 memory_check=${3:-}
probe="$(dirname "$0")/window_probe.py"
source "$(dirname "$0")/session.sh"
start_desktop

"$program" 2>"$scratch/stderr" &
app=$!
window=$(tempotik_window)
xdotool mousemove --window "$window" 91 24

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }

warm_up=$((seconds / 5 < 60 ? seconds / 5 : 60))
start=$SECONDS sent=0 rss_start=$(rss_kb) rss_warm= rss_peak=0
while [ $((SECONDS - start)) -lt "$seconds" ]; do
    xdotool click --repeat 20 --delay 10 1
    sent=$((sent + 20))
    sleep 3
    rss=$(rss_kb)
    [ -z "$rss_warm" ] && [ $((SECONDS - start)) -ge "$warm_up" ] && rss_warm=$rss
    [ "$rss" -gt "$rss_peak" ] && rss_peak=$rss
done
counted_all() { [ "$("$probe" caption Totaalteller)" = "$sent" ]; }
wait_for 10 "every click to be counted" counted_all || true
counted=$("$probe" caption Totaalteller)
rss_end=$(rss_kb)
cpu_s=$(echo "$(cpu_ticks) $(getconf CLK_TCK)" | awk '{ printf "%.1f", $1 / $2 }')
"$probe" close "$window"
status=0
finish 10 "$app" || status=$?

growth=$((rss_peak - rss_warm))
echo "soak: $seconds s, clicks sent $sent, counted $counted, exit status $status"
echo "soak: resident memory at start $rss_start kB, after ${warm_up} s $rss_warm kB," \
    "peak after that $rss_peak kB (growth $growth kB), at the end $rss_end kB"
echo "soak: CPU $cpu_s s in all; stderr $(wc -l <"$scratch/stderr") lines"

[ "$counted" = "$sent" ] || fail "counted $counted of $sent clicks"
[ -s "$scratch/stderr" ] && fail "the program printed:" && cat "$scratch/stderr"
[ "$status" -eq 0 ] || fail "exit status $status"
if [ "$memory_check" != --no-memory-check ] && [ "$growth" -ge 1024 ]; then
    fail "resident memory grew by $growth kB after the warm-up"
fi
[ "$failures" -eq 0 ]
