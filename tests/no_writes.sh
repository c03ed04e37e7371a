#!/usr/bin/env bash
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# The program reads no files of its own, writes nothing and opens no network
# socket. A short session of clicks, ticks and a reset under strace -f, with
# the accessibility bus on, fails on any file created, changed or opened for
# writing outside the toolkit's runtime directory and /dev, on any file of the
# program's own, and on any socket but a local one (the display, the buses).
#   tests/no_writes.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
tests=$(dirname "$(realpath "$0")")
probe=$tests/window_probe.py
source "$tests/session.sh"
start_desktop
# LeakSanitizer cannot run under ptrace; the other tests look for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
mkdir "$scratch/cwd"
log="$scratch/strace.log"
calls=open,openat,creat,truncate,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat
calls+=,rmdir,link,linkat,symlink,symlinkat,chmod,fchmodat,socket,connect,bind
(cd "$scratch/cwd" && exec strace -f -qq -o "$log" -e trace="$calls" "$program") &
app=$!
window=$(tempotik_window)
xdotool mousemove --window "$window" 91 24 click --repeat 5 --delay 50 1
sleep 1.2
xdotool mousemove --window "$window" 28 72 click 1
sleep 0.3
"$probe" close "$window"
finish 20 "$app" || fail "the traced program did not end with status 0"

# The calls made, without the pid each line starts with.
calls_made=$(sed -E 's/^[0-9]+ +//' "$log")
report() {
    local what=$1 lines=$2
    if [ -n "$lines" ]; then
        fail "$what:" && echo "$lines"
    else
        echo "ok: no $what"
    fi
}
outside_runtime() { grep -v -e "\"$XDG_RUNTIME_DIR" -e '"/dev/' || true; }

report "file opened for writing" "$(echo "$calls_made" |
    grep -E '^(open|openat|creat)\(' | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|^creat' |
    outside_runtime)"
report "file created, moved, removed or changed" "$(echo "$calls_made" |
    grep -E '^(truncate|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|chmod|fchmodat)\(' |
    outside_runtime)"
# Qt looks for its plugins in the folder the program runs from, whatever
# that folder is called; any other path of the program's is its own.
report "file of the program's own" "$(echo "$calls_made" | grep -E '^(open|openat)\(' |
    grep -v -F "\"$(dirname "$program")/" | grep -i -E '"[^"]*tempotik' || true)"
report "file opened relative to the working directory" "$(echo "$calls_made" |
    grep -E '^open(at)?\((AT_FDCWD, )?"[^/]' || true)"
report "network socket" "$(echo "$calls_made" | grep -E '^(socket|connect|bind)\(' |
    grep -v -E 'AF_UNIX|AF_LOCAL' || true)"

sockets=$(echo "$calls_made" | grep -c -E '^socket\(AF_UNIX' || true)
echo "local sockets opened: $sockets"
[ "$failures" -eq 0 ]
