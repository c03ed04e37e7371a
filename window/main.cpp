// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>

#include "name_changes.h"
#include "reading_order.h"
#include "spoken_text.h"
#include "tempotikform.h"

#ifdef Q_OS_WIN
#include "window_font.h"
#endif
#ifdef Q_OS_LINUX
#include "desktop_platform.h"
#include "screen_reader_keys.h"

// Every key is the screen reader's first, before anything of Qt's sees it.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        return keys_.take(receiver, event) || QApplication::notify(receiver, event);
    }

private:
    ScreenReaderKeys keys_;
};
#else
using Application = QApplication;
#endif

int main(int argc, char* argv[]) {
    // On X11, shared-memory images cost a round trip to the server on every
    // paint; for a window this small, sending the few changed pixels is cheaper.
    qputenv("QT_XCB_NO_MITSHM", "1");
#ifdef Q_OS_LINUX
    chooseDesktopPlatform(argc, argv);
#endif
    Application app(argc, argv);
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
    QAccessible::installFactory(readingOrderAccessible);
    QAccessible::installFactory(spokenTextAccessible);
    QAccessible::installUpdateHandler(passNewNamesOnly);

    Tempotikform form;
    form.show();
    return app.exec();
}
