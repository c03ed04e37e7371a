// Tempotik — a click-speed meter. Licensed under the MIT licence.
// The window tests run at the scale that --scale=FACTOR names (1 without
// it), with a runtime folder of their own, whatever the caller's environment
// holds: no variable of the toolkit's, no display and no bus reach them. On
// Linux they run on Qt's offscreen platform; on Windows on the real one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstring>

#ifdef Q_OS_WIN
#include "window_font.h"
#endif

namespace {

void clearToolkitEnvironment() {
    for (const QString& name : QProcessEnvironment::systemEnvironment().keys()) {
        if (name.startsWith(QLatin1String("QT_"))) {
            qunsetenv(name.toLocal8Bit().constData());
        }
    }
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                             "XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE"}) {
        qunsetenv(name);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    clearToolkitEnvironment();
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            qputenv("QT_SCALE_FACTOR", argv[i] + 8);
        }
    }
    const QTemporaryDir runtime;  // private to this user, as the toolkit requires
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    addWindowFont();
#endif
    return RUN_ALL_TESTS();
}
