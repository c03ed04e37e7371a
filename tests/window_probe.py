#!/usr/bin/python3
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Reads the running window through the accessibility bus, as a screen reader
# would, and closes it as its close box would.
#   window_probe.py caption NAME    prints the caption of control NAME
#   window_probe.py tree            prints the window's tree: role and name, indented
#   window_probe.py changes SECONDS prints how many name changes the window
#                                   announced in that time, and the last one
#   window_probe.py icon WINDOW     prints the sizes of window WINDOW's icon
#   window_probe.py class WINDOW    prints the class a desktop matches to its menu entry
#   window_probe.py close WINDOW    asks window WINDOW (an X id) to close
import sys

# The controls in reading order, top to bottom and left to right within the
# window and within each frame, which is the order of the accessibility tree.
CONTROLS = """Klikknop Totaalframe Totaalteller Laatsteframe Tiensecondenlabel
    Tiensecondenteller Tiensecondenover Secondelabel Secondeteller Secondeover
    Perframe Perminuutlabel Perminuutteller Pertiensecondenlabel
    Pertiensecondenteller Persecondelabel Persecondeteller Gemiddeldenframe
    Gemminuutlabel Gemminuutteller Gemtiensecondenlabel Gemtiensecondenteller
    Gemseclabel Gemsecondeteller""".split()


def window():
    import pyatspi
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tempotik":
            return app.getChildAtIndex(0)
    sys.exit("no Tempotik window on the accessibility bus")


def nodes(node, depth=1):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        yield depth, child
        yield from nodes(child, depth + 1)


def captions():
    return dict(zip(CONTROLS, (node.name for _, node in nodes(window()))))


def tree():
    form = window()
    lines = [f"{form.getRoleName()} {form.name}"]
    lines += [f"{'  ' * depth}{node.getRoleName()} {node.name}" for depth, node in nodes(form)]
    return "\n".join(lines)


def changes(seconds):
    import pyatspi
    from gi.repository import GLib
    seen = []
    pyatspi.Registry.registerEventListener(
        lambda event: seen.append(event.source.name),
        "object:property-change:accessible-name")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return f"{len(seen)} {seen[-1] if seen else '-'}"


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


def window_class(window_id):
    from Xlib import display
    screen = display.Display()
    return screen.create_resource_object("window", window_id).get_wm_class()[1]


def close(window_id):
    from Xlib import X, display, protocol
    screen = display.Display()
    window = screen.create_resource_object("window", window_id)
    protocols = screen.intern_atom("WM_PROTOCOLS")
    delete = screen.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    # A round trip, not a flush: a message still unsent when the connection
    # closes is lost, and the window would stay open.
    screen.sync()


if __name__ == "__main__":
    if sys.argv[1] == "caption":
        print(captions()[sys.argv[2]])
    elif sys.argv[1] == "tree":
        print(tree())
    elif sys.argv[1] == "changes":
        print(changes(float(sys.argv[2])))
    elif sys.argv[1] == "icon":
        print(icon_sizes(int(sys.argv[2], 0)))
    elif sys.argv[1] == "class":
        print(window_class(int(sys.argv[2], 0)))
    elif sys.argv[1] == "close":
        close(int(sys.argv[2], 0))
