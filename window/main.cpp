// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include <QIcon>
#include <QLocale>

#include "accessible_application.h"
#include "tempotikform.h"

#ifdef Q_OS_WIN
#include "window_font.h"
#endif
#ifdef Q_OS_LINUX
#include "desktop_platform.h"
#endif

int main(int argc, char* argv[]) {
    // On X11, shared-memory images cost a round trip to the server on every
    // paint; for a window this small, sending the few changed pixels is cheaper.
    qputenv("QT_XCB_NO_MITSHM", "1");
#ifdef Q_OS_LINUX
    chooseDesktopPlatform(argc, argv);
#endif
    AccessibleApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tempotik"));
    QApplication::setApplicationVersion(QStringLiteral(TEMPOTIK_VERSION));
    // Ties the window to its menu entry and icon on freedesktop desktops.
    QApplication::setDesktopFileName(QStringLiteral("nl.tempotik.Tempotik"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {  // each drawn, or its pixels repeated
        icon.addFile(QStringLiteral(":/tempotik-%1.png").arg(size));
    }
    QApplication::setWindowIcon(icon);
#ifdef Q_OS_WIN
    addWindowFont();
#endif

    // Every text is Dutch; screen readers learn it from the locale.
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));

    Tempotikform form;
    form.show();
    return app.exec();
}
