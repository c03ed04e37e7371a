// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "name_changes.h"

#include <QAccessible>
#include <QVariant>

namespace {

// Where each control keeps the name it last told.
constexpr char toldName[] = "toldName";

// Qt hands an event to the screen readers only while no handler is installed.
void tellScreenReaders(QAccessibleEvent* event) {
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handler);
}

}  // namespace

void passNewNamesOnly(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged && event->object()) {
        const QString name = event->accessibleInterface()->text(QAccessible::Name);
        if (event->object()->property(toldName) == name) {
            return;
        }
        event->object()->setProperty(toldName, name);
    }
    tellScreenReaders(event);
}
