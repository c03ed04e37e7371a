// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QAccessibleInterface>
#include <QString>

class QObject;

// What a screen reader is told about the window and its frames. Qt lists a
// container's controls in the order they were created, which in this window
// puts most values before their captions and the bottom row of a frame first;
// a screen reader walking the tree would read "0, Per seconde:" for "Per
// seconde: 0". This factory lists them as a sighted reader takes them in: top
// to bottom, then left to right. It also presents the window as a window
// rather than as a nameless panel, so that its title is announced.
// Install it with QAccessible::installFactory before the window is shown.
QAccessibleInterface* readingOrderAccessible(const QString& className, QObject* object);
