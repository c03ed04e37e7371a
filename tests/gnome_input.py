#!/usr/bin/python3
# Tempotik — a click-speed meter. Licensed under the MIT licence.
"""Presses a key, or clicks at a point of GNOME Shell's screen, as a person would.

Under GNOME on Wayland the shell itself takes the input; a click faked in its
X server reaches X programs, never the shell or the frames it draws around
them. The shell's remote-desktop service gives a keyboard and pointer of its
own. Its pointer moves only relatively: to the screen's bottom-right corner
first (the top-left one opens the overview), then to the point. The session lasts while this process holds its bus connection.
    tests/gnome_input.py key KEYSYM    (a number: 0xff1b is Escape)
    tests/gnome_input.py click X Y WIDTH HEIGHT   (of the screen)
"""
import sys
import time

from gi.repository import Gio, GLib

BUTTON_LEFT = 0x110  # the kernel's BTN_LEFT
SESSION = "org.gnome.Mutter.RemoteDesktop.Session"


def call(bus, path, interface, method, arguments=None):
    return bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, interface, method,
                         arguments, None, Gio.DBusCallFlags.NONE, 5000, None)


def main():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    (path,) = call(bus, "/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop",
                   "CreateSession").unpack()
    call(bus, path, SESSION, "Start")
    if sys.argv[1] == "key":
        for pressed in (True, False):
            call(bus, path, SESSION, "NotifyKeyboardKeysym",
                 GLib.Variant("(ub)", (int(sys.argv[2], 0), pressed)))
            time.sleep(0.1)
    else:
        x, y, width, height = (float(value) for value in sys.argv[2:6])
        for dx, dy in ((10000.0, 10000.0), (x - width + 1, y - height + 1)):
            call(bus, path, SESSION, "NotifyPointerMotionRelative", GLib.Variant("(dd)", (dx, dy)))
            time.sleep(0.3)
        for pressed in (True, False):
            call(bus, path, SESSION, "NotifyPointerButton",
                 GLib.Variant("(ib)", (BUTTON_LEFT, pressed)))
            time.sleep(0.1)
    call(bus, path, SESSION, "Stop")


if __name__ == "__main__":
    main()
