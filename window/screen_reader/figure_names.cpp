// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "figure_names.h"

#include <QAccessible>
#include <QObject>
#include <QVariant>

namespace {

// The mark, on the control itself, that its name's news is held back.
constexpr char heldBack[] = "nameNewsHeldBack";

// Qt hands an event to the screen readers only while no handler is installed.
void tellScreenReaders(QAccessibleEvent* event) {
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handler);
}

}  // namespace

void holdBackNameNews(QObject& control) {
    control.setProperty(heldBack, true);
}

void tellNewName(QObject& control) {
    QAccessibleEvent event(&control, QAccessible::NameChanged);
    tellScreenReaders(&event);
}

void holdBackFigureNames(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged && event->object() &&
        event->object()->property(heldBack).toBool()) {
        return;
    }
    tellScreenReaders(event);
}
