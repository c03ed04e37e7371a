// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "spoken_text.h"

#include <QAccessibleObject>
#include <QWidget>

namespace {

class SpokenTextAccessible : public QAccessibleObject {
public:
    explicit SpokenTextAccessible(SpokenText& text) : QAccessibleObject(&text) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return spoken().role(); }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? spoken().text() : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !spoken().isShowing();
        return state;
    }
    QRect rect() const override { return {}; }  // takes no room on screen

private:
    const SpokenText& spoken() const { return static_cast<const SpokenText&>(*object()); }
};

void tell(SpokenText& text, QAccessible::Event event) {
    QAccessibleEvent told(&text, event);
    QAccessible::updateAccessibility(&told);
}

}  // namespace

SpokenText::SpokenText(QWidget& window, QAccessible::Role role, const QString& objectName)
    : QObject(&window), role_(role), showing_(role != QAccessible::Notification) {
    setObjectName(objectName);
}

void SpokenText::setText(const QString& text) {
    if (text != text_) {
        text_ = text;
        tell(*this, QAccessible::NameChanged);
    }
}

void SpokenText::announce(const QString& text) {
    if (showing_) {
        showing_ = false;
        tell(*this, QAccessible::ObjectHide);
    }
    text_ = text;
    showing_ = true;
    tell(*this, QAccessible::ObjectShow);
#ifdef Q_OS_WIN
    // Windows screen readers speak UI Automation's notification events, which
    // Qt raises for an announcement, and not a text coming into view. It comes
    // from the window, in whose tree a screen reader listens.
    QAccessibleAnnouncementEvent heard(parent(), text);
    QAccessible::updateAccessibility(&heard);
#endif
}

QAccessibleInterface* spokenTextAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("SpokenText")) {
        return new SpokenTextAccessible(static_cast<SpokenText&>(*object));
    }
    return nullptr;
}
