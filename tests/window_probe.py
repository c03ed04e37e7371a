#!/usr/bin/python3
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Reads the running window through the accessibility bus, as a screen reader
# would, and closes it as its close box would.
#   window_probe.py caption NAME    prints the caption of control NAME
#   window_probe.py icon WINDOW     prints the sizes of window WINDOW's icon
#   window_probe.py close WINDOW    asks window WINDOW (an X id) to close
import sys

# The controls in the order the window creates them, which is also the order
# in which the accessibility tree lists them.
CONTROLS = """Gemiddeldenframe Gemsecondeteller Gemtiensecondenteller Gemseclabel
    Gemminuutteller Gemtiensecondenlabel Gemminuutlabel Klikknop Perframe
    Persecondeteller Persecondelabel Pertiensecondenteller Perminuutteller
    Pertiensecondenlabel Perminuutlabel Laatsteframe Secondeover Tiensecondenover
    Secondeteller Tiensecondenteller Secondelabel Tiensecondenlabel Totaalframe
    Totaalteller""".split()


def captions():
    import pyatspi
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tempotik":
            form = app.getChildAtIndex(0)
            nodes = []

            def walk(node):
                for i in range(node.childCount):
                    child = node.getChildAtIndex(i)
                    nodes.append(child.name)
                    walk(child)

            walk(form)
            return dict(zip(CONTROLS, nodes))
    sys.exit("no Tempotik window on the accessibility bus")


def icon_sizes(window_id):
    from Xlib import X, display
    screen = display.Display()
    window = screen.create_resource_object("window", window_id)
    icon = window.get_full_property(screen.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
    data, sizes = list(icon.value) if icon else [], []
    while data:  # width, height, then width × height pixels, for each size
        width, height = data[0], data[1]
        sizes.append(f"{width}x{height}")
        data = data[2 + width * height:]
    return " ".join(sizes)


def close(window_id):
    from Xlib import X, display, protocol
    screen = display.Display()
    window = screen.create_resource_object("window", window_id)
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    screen.flush()


if __name__ == "__main__":
    if sys.argv[1] == "caption":
        print(captions()[sys.argv[2]])
    elif sys.argv[1] == "icon":
        print(icon_sizes(int(sys.argv[2], 0)))
    elif sys.argv[1] == "close":
        close(int(sys.argv[2], 0))
