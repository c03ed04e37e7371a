// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "desktop_platform.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstring>

#include <wayland-client.h>

namespace {

bool named(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        // Qt takes the option with one dash or two.
        const char* option = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
        if (std::strcmp(option, "-platform") == 0) {
            return true;
        }
    }
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

// Returns whether the Wayland compositor of the session offers to draw title
// bars; false also where there is none to ask.
bool compositorDecorates() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        return false;
    }
    bool decorates = false;
    static const wl_registry_listener listener{
        [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0 ||
                std::strcmp(interface, "org_kde_kwin_server_decoration_manager") == 0) {
                *static_cast<bool*>(data) = true;
            }
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &decorates);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return decorates;
}

}  // namespace

void chooseDesktopPlatform(int argc, char* argv[]) {
    if (named(argc, argv) || qgetenv("XDG_SESSION_TYPE") != "wayland" ||
        !qEnvironmentVariableIsSet("DISPLAY")) {
        return;
    }
    if (!compositorDecorates()) {
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    }
}
