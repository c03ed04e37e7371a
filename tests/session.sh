# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Sourced by the tests that run the real program. Whatever the caller's
# environment holds, a test gets a desktop of its own: a scratch folder, a
# private runtime folder, and on request an X server, a session bus, the
# accessibility bus, a Wayland compositor or Wine. Everything the test starts
# is stopped on every way out, a traced program and Wine's server included.

set -euo pipefail
scratch=$(mktemp -d)
failures=0
fail() { echo "FAILED: $*" && failures=$((failures + 1)); }
passes=0
# Reports $1 as passed when the command that follows succeeds, else as failed.
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what" && passes=$((passes + 1))
    else
        fail "$what"
    fi
}

# Prints the processes below process $1, the deepest first.
descendants() {
    local child
    for child in $(pgrep -P "$1" || true); do
        descendants "$child"
        echo "$child"
    done
}
# Stops everything this shell started: politely, then for good.
stop_everything() {
    local pids
    pids=$(descendants $$)
    [ -z "$pids" ] && return 0
    kill $pids 2>/dev/null || true
    for _ in $(seq 30); do
        kill -0 $pids 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL $pids 2>/dev/null || true
}
# Each step runs even when the one before failed, and is safe when what it
# stops never started.
trap 'stop_gnome || true; stop_wine || true; stop_everything || true; rm -rf "$scratch"' EXIT
# The test's time limit (ctest runs each one under timeout) ends it here.
trap 'echo "FAILED: still running at the time limit"; exit 124' TERM

# Polls a command until it succeeds, for at most $1 seconds by the clock,
# however long each try takes; then says what never happened ($2) and fails.
wait_for() {
    local seconds=$1 what=$2 deadline
    shift 2
    deadline=$(($(date +%s%N) + seconds * 1000000000))
    until "$@" >/dev/null 2>&1; do
        if [ "$(date +%s%N)" -ge "$deadline" ]; then
            echo "gave up after $seconds s waiting for $what"
            return 1
        fi
        sleep 0.1
    done
}

# Nothing from the caller's desktop: no display, bus, scale, style, theme,
# input method, logging rule or configuration of the toolkit.
unset $(compgen -e | grep -E '^QT_') DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS \
    AT_SPI_BUS_ADDRESS XDG_SESSION_TYPE XDG_CURRENT_DESKTOP DESKTOP_SESSION XMODIFIERS
export LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config
mkdir -m 0700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

start_x() {
    # -noreset: by default the server resets whenever its last client leaves
    # (a probe, the bus launcher) and drops a client that connects meanwhile.
    Xvfb -displayfd 3 -noreset -screen 0 640x480x24 -nolisten tcp 3>"$scratch/display" \
        2>"$scratch/x.log" &
    wait_for 10 "the X server" test -s "$scratch/display"
    export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb
    # Wait until a client gets in, or say what the server said.
    wait_for 10 "the X server at $DISPLAY to answer" xdotool getdisplaygeometry ||
        { echo "FAILED: no X server answers at $DISPLAY; it said:" && cat "$scratch/x.log" && return 1; }
}

start_session_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$scratch/bus" 2>/dev/null &
    wait_for 10 "the session bus" test -s "$scratch/bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# The accessibility bus, as on a desktop with a screen reader, and Qt told
# to use it.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    wait_for 10 "the accessibility bus" bus_name_is_taken org.a11y.Bus
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
bus_name_is_taken() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q 'boolean true'
}

# The X server with a session bus and the accessibility bus: a desktop.
start_desktop() {
    start_x
    start_session_bus
    start_accessibility_bus
}

# The screen reader Orca on the desktop, with debug log $1 (none for the
# Orca a user runs, which logs nothing) and the user's locale $2 (nl_NL,
# say; none for Orca's own English), once it listens. Orca
# and speech-dispatcher keep their settings under HOME; without a sound
# device speech-dispatcher would hang Orca, so it plays into libao's null
# driver.
start_orca() {
    local log=$1 user_locale=${2:-} environment=() debug=()
    [ -n "$log" ] && debug=(--debug-file="$log")
    export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/.local/share
    mkdir -p "$HOME"
    cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher"
    sed -i 's/^# *AudioOutputMethod .*/AudioOutputMethod "libao"/' \
        "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
    echo "default_driver=null" >"$HOME/.libao"
    if [ -n "$user_locale" ]; then
        mkdir "$scratch/locale"
        localedef -i "$user_locale" -f UTF-8 "$scratch/locale/$user_locale.UTF-8"
        environment=(LOCPATH="$scratch/locale" LANG="$user_locale.UTF-8" LC_ALL="$user_locale.UTF-8")
    fi
    env "${environment[@]}" orca "${debug[@]}" >/dev/null 2>&1 &
    orca=$!
    wait_for 30 "Orca" orca_listens
}
# Orca listens once it has told the accessibility registry what to send it.
orca_listens() {
    local bus
    bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress)
    dbus-send --bus="${bus// /}" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/registry org.a11y.atspi.Registry.GetRegisteredEvents |
        grep -q 'Object:StateChanged:Focused'
}

# A headless Wayland compositor, weston, with its XWayland, which starts at
# the first X program, and nothing else on the desktop. Qt is told to use
# Wayland, as a user may tell it.
start_wayland() {
    weston --backend=headless-backend.so --socket=tempotik-wayland --idle-time=0 --no-config \
        --xwayland --log="$scratch/weston.log" 2>"$scratch/weston.stderr" &
    wait_for 10 "weston" test -S "$XDG_RUNTIME_DIR/tempotik-wayland"
    wait_for 10 "weston's X server" grep -q 'xserver listening on display' "$scratch/weston.log"
    DISPLAY=$(sed -n -E 's/.*xserver listening on display (:[0-9]+).*/\1/p' "$scratch/weston.log")
    export DISPLAY WAYLAND_DISPLAY=tempotik-wayland QT_QPA_PLATFORM=wayland
}

# Succeeds once libwayland's log of the protocol, file $1, shows the program
# giving its window the title Tempotik. Debian 13's libwayland writes an
# object as xdg_toplevel#N, Debian 12's as xdg_toplevel@N.
wayland_titled() { grep -q 'xdg_toplevel[@#][0-9]*\.set_title("Tempotik")' "$1"; }

# GNOME's own desktop, as Debian's default session has it: GNOME Shell on
# Wayland, headless, with its XWayland; a session bus, and a private bus
# standing in for the system bus, which the shell asks for. The shell keeps
# its state under HOME. What a session sets for its programs is exported.
start_gnome() {
    export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/.local/share \
        XDG_CACHE_HOME=$scratch/home/.cache
    mkdir -p "$HOME"
    start_session_bus
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$scratch/system-bus" \
        2>/dev/null &
    wait_for 10 "the bus standing in for the system bus" test -s "$scratch/system-bus"
    DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$scratch/system-bus")
    export DBUS_SYSTEM_BUS_ADDRESS XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
    gnome-shell --headless --wayland --virtual-monitor 800x600 >"$scratch/gnome.log" 2>&1 &
    gnome=$!
    disown "$gnome"  # it may crash on its way out; that is no news of the test's
    wait_for 60 "GNOME Shell's X server" grep -q 'Using public X11 display' "$scratch/gnome.log" ||
        { echo "FAILED: GNOME Shell did not start; it said:" && cat "$scratch/gnome.log" && return 1; }
    export WAYLAND_DISPLAY=wayland-0
    DISPLAY=$(sed -n -E 's/.*Using public X11 display (:[0-9]+).*/\1/p' "$scratch/gnome.log")
    gnome_display=$DISPLAY
    # The shell's X server lets in only those who hold its key.
    XAUTHORITY=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name '.mutter-Xwaylandauth.*' | head -n 1)
    export DISPLAY XAUTHORITY
    # The shell starts its X server for the first client, which waits for it
    # meanwhile, so each try has a time limit of its own.
    wait_for 20 "the X server at $DISPLAY to answer" timeout 5 xdotool getdisplaygeometry
}
# The shell, stopped, leaves its X server's lock and socket behind; they
# are taken away once no process holds them.
stop_gnome() {
    [ -n "${gnome:-}" ] || return 0
    kill "$gnome" 2>/dev/null || true
    wait_for 10 "GNOME Shell to end" not_running "$gnome" || kill -KILL "$gnome" 2>/dev/null || true
    local number=${gnome_display:-}
    number=${number#:}
    [ -n "$number" ] || return 0
    if [ -f "/tmp/.X$number-lock" ] && ! kill -0 "$(tr -d ' ' <"/tmp/.X$number-lock")" 2>/dev/null; then
        rm -f "/tmp/.X$number-lock" "/tmp/.X11-unix/X$number"
    fi
}

# Wine, for the Windows build, with a prefix of the test's own and no message
# of Wine's. It says it is Windows 11, as most users' Windows is, and Qt draws
# that Windows' style. As on Windows, no font of this machine's is seen: Wine
# would find them through fontconfig. A new prefix takes Wine a quarter of a
# minute to make, so one is made once per Wine version into the cache, and
# each test copies it; only the system's DLLs, which no program writes, are
# shared with the cache.
wine=/usr/lib/wine/wine64
start_wine() {
    local cache=${TEMPOTIK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tempotik} kept folder
    kept=$cache/wine-$("$wine" --version | tr -c 'A-Za-z0-9.\n' -)win11-prefix
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
    export FONTCONFIG_FILE=$scratch/fonts.conf
    echo '<fontconfig></fontconfig>' >"$FONTCONFIG_FILE"
    mkdir -p "$cache"
    (
        flock 9
        if [ ! -f "$kept/system.reg" ]; then
            rm -rf "$kept.partial"
            WINEPREFIX=$kept.partial "$wine" wineboot --init >/dev/null 2>&1
            WINEPREFIX=$kept.partial "$wine" winecfg -v win11 >/dev/null 2>&1
            WINEPREFIX=$kept.partial /usr/lib/wine/wineserver --wait
            mv "$kept.partial" "$kept"
        fi
    ) 9>"$cache/wine-prefix.lock"
    export WINEPREFIX=$scratch/wine
    mkdir "$WINEPREFIX"
    tar -C "$kept" --exclude ./drive_c/windows/system32 --exclude ./drive_c/windows/syswow64 \
        --exclude ./drive_c/windows/winsxs -cf - . | tar -C "$WINEPREFIX" -xf -
    for folder in system32 syswow64 winsxs; do
        cp -al "$kept/drive_c/windows/$folder" "$WINEPREFIX/drive_c/windows/"
    done
}
# Wine's server leaves the test's process tree; it ends every program of the
# prefix with it.
stop_wine() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        /usr/lib/wine/wineserver --kill 2>/dev/null || true
    fi
}

# Waits up to $1 seconds for process $2 to end and returns its exit status.
# One still running then is stopped, and the status is 124, as from timeout.
finish() {
    local seconds=$1 pid=$2
    if ! wait_for "$seconds" "process $pid to end" not_running "$pid"; then
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        return 124
    fi
    wait "$pid"
}
not_running() { ! kill -0 "$1" 2>/dev/null; }

# Prints the X id of the Tempotik window (of process $1, when named) once it
# is shown, or fails saying so. A search walks every window on the display,
# and Wine makes and destroys short-lived windows while a program starts: one
# that vanishes under xdotool is an X error that ends that search at once. So
# each try is a new search, until the deadline, and a window found must still
# answer.
tempotik_window() {
    local found=$scratch/window-found
    if ! wait_for 20 "the Tempotik window" shown_window "$found" "$@"; then
        echo "FAILED: no Tempotik window was shown within 20 s" >&2
        return 1
    fi
    cat "$found"
}
# GNOME's frame around it, drawn by a program of the shell's own
# (mutter-x11-frames) since GNOME 44, has the same title and process.
shown_window() {
    local found=$1 pid=() id
    [ -n "${2:-}" ] && pid=(--pid "$2")
    : >"$found"
    for id in $(timeout 5 xdotool search --onlyvisible "${pid[@]}" --name '^Tempotik$' 2>/dev/null); do
        if [[ "$(timeout 5 xprop -id "$id" WM_CLASS 2>/dev/null)" != *mutter-x11-frames* ]]; then
            echo "$id" >"$found" && break
        fi
    done
    [ -s "$found" ] && xdotool getwindowgeometry "$(cat "$found")" >/dev/null 2>&1
}
