// Tempotik — a click-speed meter. Licensed under the MIT licence.
// The window tests run on Qt's offscreen platform, at the scale that
// --scale=FACTOR names (1 without it), with a runtime folder of their own,
// whatever the caller's environment holds: no variable of the toolkit's, no
// display and no bus reach them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

void clearToolkitEnvironment() {
    std::vector<std::string> names{"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                                   "XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE"};
    for (char** entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "QT_", 3) == 0) {
            names.emplace_back(*entry, std::strchr(*entry, '='));
        }
    }
    for (const std::string& name : names) {
        unsetenv(name.c_str());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    clearToolkitEnvironment();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            qputenv("QT_SCALE_FACTOR", argv[i] + 8);
        }
    }
    const QTemporaryDir runtime;  // private to this user, as the toolkit requires
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
