# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Sourced by the tests that run the real program under a real X server: a
# scratch folder and the processes to stop, both cleaned up on exit, and the
# desktop services a session has.

scratch=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() { echo "FAILED: $*" && failures=$((failures + 1)); }

# Starts the accessibility bus, as on a desktop with a screen reader, and has
# Qt use it.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    pids+=($!)
    sleep 0.5
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Gives the toolkit a runtime folder of its own, as a login session does.
use_private_runtime_dir() {
    export XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
}

# Waits up to $1 seconds for process $2 to end and returns its exit status.
# One still running then is stopped, and the status is 124, as from timeout.
finish() {
    local seconds=$1 pid=$2
    for _ in $(seq $((seconds * 10))); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        return 124
    fi
    wait "$pid"
}

# Prints the X id of the Tempotik window once it is shown.
tempotik_window() {
    timeout 20 xdotool search --sync --onlyvisible --name '^Tempotik$' | head -n 1
}
