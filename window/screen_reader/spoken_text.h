// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QObject>
#include <QString>

class QWidget;

// A text of the window's for screen readers alone, with no look of its own:
// a status bar, which a screen reader reads when asked (Orca: Insert+KP_Enter
// twice) and never on its own, or a notification, which it speaks as it comes
// into view. A changed name would not do for the latter: Qt 6.4 sends the
// object rather than the new name with a name-change event, and Orca then
// says nothing, while a notification coming into view it speaks, reading the
// name afresh. On Windows a notification is also announced as UI
// Automation's notification event, which Windows screen readers speak.
class SpokenText : public QObject {
    Q_OBJECT

public:
    SpokenText(QWidget& window, QAccessible::Role role, const QString& objectName);

    QAccessible::Role role() const { return role_; }
    const QString& text() const { return text_; }
    bool isShowing() const { return showing_; }

    // A status bar: the text changes quietly.
    void setText(const QString& text);
    // A notification: comes into view afresh with the text, to be spoken at once.
    void announce(const QString& text);

private:
    QAccessible::Role role_;
    QString text_;
    bool showing_;
};

// The accessible object of a SpokenText, for QAccessible::installFactory.
QAccessibleInterface* spokenTextAccessible(const QString& className, QObject* object);
