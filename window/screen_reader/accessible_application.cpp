// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "accessible_application.h"

#include <QAccessible>

#include "figure_names.h"
#include "reading_order.h"
#include "spoken_text.h"

AccessibleApplication::AccessibleApplication(int& argc, char** argv) : QApplication(argc, argv) {
    QAccessible::installFactory(readingOrderAccessible);
    QAccessible::installFactory(spokenTextAccessible);
    QAccessible::installUpdateHandler(holdBackFigureNames);
}

AccessibleApplication::~AccessibleApplication() {
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::removeFactory(spokenTextAccessible);
    QAccessible::removeFactory(readingOrderAccessible);
}

#ifdef Q_OS_LINUX
bool AccessibleApplication::notify(QObject* receiver, QEvent* event) {
    return keys_.take(receiver, event) || QApplication::notify(receiver, event);
}
#endif
