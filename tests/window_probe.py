#!/usr/bin/python3
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Reads the running window through the accessibility bus, as a screen reader
# would, and closes it as its close box would.
#   window_probe.py caption NAME    prints the caption of control NAME
#   window_probe.py tree            prints the window's tree: role and name, indented
#   window_probe.py told            prints, control by control, what else a screen
#                                   reader is told: relations and description
#   window_probe.py locale          prints the language the program says it speaks
#   window_probe.py notifications SECONDS
#                                   says "listening", then prints each notification
#                                   that comes into view in that time
#   window_probe.py names NAME TIMES SECONDS
#                                   reads control NAME's name afresh, with no cache,
#                                   TIMES times SECONDS apart; prints them on a line
#   window_probe.py changes SECONDS prints how many name changes the window
#                                   announced in that time, and the last one
#   window_probe.py icon WINDOW     prints the sizes of window WINDOW's icon
#   window_probe.py class WINDOW    prints the class a desktop matches to its menu entry
#   window_probe.py hints WINDOW    prints what it offers a window manager: whether it can be
#                                   maximized, and its least and largest size
#   window_probe.py close WINDOW    asks window WINDOW (an X id) to close
import os
import sys

# The controls in reading order, top to bottom and left to right within the
# window and within each frame, which is the order of the accessibility tree.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "controls.txt")) as listed:
    CONTROLS = [line.split("|")[0].strip() for line in listed if not line.startswith("#")]


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


def controls():
    return dict(zip(CONTROLS, (node for _, node in nodes(window()))))


# The total's button is named with its frame's title, "Totaal: 5".
def caption(name):
    text = controls()[name].name
    if name == "Totaalteller":
        if not text.startswith("Totaal: "):
            sys.exit(f"the total's button is named {text!r}")
        text = text[len("Totaal: "):]
    return text


def names(name, times, seconds):
    import time
    node = controls()[name]
    from gi.repository import Atspi  # the version pyatspi chose
    node.get_application().set_cache_mask(Atspi.Cache.NONE)
    read = []
    for _ in range(times):
        read.append(node.get_name())
        time.sleep(seconds)
    return " ".join(read)


def told():
    lines = []
    for name, node in controls().items():
        facts = [f"{relation.getRelationType().value_nick} "
                 + ", ".join(relation.getTarget(i).name for i in range(relation.getNTargets()))
                 for relation in node.getRelationSet()
                 if relation.getRelationType().value_nick in ("labelled-by", "label-for")]
        if node.description:
            facts.append(repr(node.description))
        if facts:
            lines.append(f"{name}: " + "; ".join(facts))
    return "\n".join(lines)


def application_locale():
    from gi.repository import Gio, GLib

    def call(bus, name, path, interface, method, arguments, reply):
        return bus.call_sync(name, path, interface, method, arguments, GLib.VariantType(reply),
                             Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                   "(s)")
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    root = "/org/a11y/atspi/accessible/root"
    for name, path in call(bus, "org.a11y.atspi.Registry", root, "org.a11y.atspi.Accessible",
                           "GetChildren", None, "(a(so))"):
        title = call(bus, name, path, "org.freedesktop.DBus.Properties", "Get",
                     GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", "Name")), "(v)")
        if title == "Tempotik":
            lc_messages = 5
            return call(bus, name, root, "org.a11y.atspi.Application", "GetLocale",
                        GLib.Variant("(u)", (lc_messages,)), "(s)")
    sys.exit("no Tempotik on the accessibility bus")


def notifications(seconds):
    import pyatspi
    from gi.repository import Atspi, GLib

    def shown(event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            # Read afresh, as a screen reader does: a notification's text changes.
            event.source.get_application().set_cache_mask(Atspi.Cache.NONE)
            print(event.source.name, flush=True)
    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
    print("listening", flush=True)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


# Debian 13's AT-SPI calls a push button "button", as Debian 12's does not; the
# tree says the newer name on either release.
def role(node):
    name = node.getRoleName()
    return "button" if name == "push button" else name


def tree():
    form = window()
    lines = [f"{role(form)} {form.name}"]
    lines += [f"{'  ' * depth}{role(node)} {node.name}" for depth, node in nodes(form)]
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


def hints(window_id):
    from Xlib import X, display
    screen = display.Display()
    window = screen.create_resource_object("window", window_id)
    motif = window.get_full_property(screen.intern_atom("_MOTIF_WM_HINTS"), X.AnyPropertyType)
    flags, functions, decorations = list(motif.value)[:3] if motif else (0, 0, 0)
    # Motif's bits: which fields are set; all, or maximize, in functions and in decorations.
    has_functions, has_decorations = 1, 2
    every_function, maximize_function, every_decoration, maximize_button = 1, 16, 1, 64
    maximize = (not flags & has_functions or functions & (every_function | maximize_function)
                or not flags & has_decorations or decorations & (every_decoration | maximize_button))
    size = window.get_wm_normal_hints()
    return (f"maximize {'yes' if maximize else 'no'}, "
            f"size {size.min_width}x{size.min_height} to {size.max_width}x{size.max_height}")


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
        print(caption(sys.argv[2]))
    elif sys.argv[1] == "tree":
        print(tree())
    elif sys.argv[1] == "told":
        print(told())
    elif sys.argv[1] == "locale":
        print(application_locale())
    elif sys.argv[1] == "notifications":
        notifications(float(sys.argv[2]))
    elif sys.argv[1] == "names":
        print(names(sys.argv[2], int(sys.argv[3]), float(sys.argv[4])))
    elif sys.argv[1] == "changes":
        print(changes(float(sys.argv[2])))
    elif sys.argv[1] == "icon":
        print(icon_sizes(int(sys.argv[2], 0)))
    elif sys.argv[1] == "class":
        print(window_class(int(sys.argv[2], 0)))
    elif sys.argv[1] == "hints":
        print(hints(int(sys.argv[2], 0)))
    elif sys.argv[1] == "close":
        close(int(sys.argv[2], 0))
