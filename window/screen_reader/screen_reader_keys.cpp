// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "screen_reader_keys.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QKeyEvent>

#include <xkbcommon/xkbcommon.h>

namespace {

// A key as the accessibility registry hands it to a screen reader.
struct DeviceEvent {
    quint32 type = 0;  // pressed 0, released 1
    qint32 keysym = 0;
    qint16 keycode = 0;
    qint16 modifiers = 0;
    qint32 time = 0;
    QString text;
    bool isText = false;
};

}  // namespace

Q_DECLARE_METATYPE(DeviceEvent)

namespace {

QDBusArgument& operator<<(QDBusArgument& argument, const DeviceEvent& event) {
    argument.beginStructure();
    argument << event.type << event.keysym << event.keycode << event.modifiers << event.time
             << event.text << event.isText;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DeviceEvent& event) {
    argument.beginStructure();
    argument >> event.type >> event.keysym >> event.keycode >> event.modifiers >> event.time >>
        event.text >> event.isText;
    argument.endStructure();
    return argument;
}

// Describes the key as GTK does: by its text where that is a visible
// character, else by the name of its keysym ("space", "KP_Enter", "Insert"),
// with the platform's own keycode and modifier state, which are what a
// screen reader matches its commands against.
DeviceEvent deviceEvent(const QKeyEvent& key) {
    DeviceEvent event;
    event.type = key.type() == QEvent::KeyPress ? 0 : 1;
    event.keysym = qint32(key.nativeVirtualKey());
    event.keycode = qint16(key.nativeScanCode());
    event.modifiers = qint16(quint16(key.nativeModifiers()));
    event.time = qint32(key.timestamp());
    event.text = key.text();
    if (event.text.isEmpty() || !event.text.front().isPrint() || event.text.front().isSpace()) {
        char name[64];
        if (xkb_keysym_get_name(key.nativeVirtualKey(), name, sizeof name) > 0) {
            event.text = QString::fromLatin1(name);
        }
    }
    event.isText = !event.text.isEmpty();
    return event;
}

}  // namespace

ScreenReaderKeys::ScreenReaderKeys() {
    qDBusRegisterMetaType<DeviceEvent>();
}

ScreenReaderKeys::~ScreenReaderKeys() = default;

bool ScreenReaderKeys::take(QObject* receiver, QEvent* event) {
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) ||
        !event->spontaneous() || !QAccessible::isActive()) {
        return false;
    }
    // Qt's own connection to the accessibility bus, which the screen reader
    // is on; without it, Qt's way is all there is.
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    auto waiting = std::make_shared<Key>(Key{receiver, std::unique_ptr<QKeyEvent>(key.clone())});
    waiting_.push_back(waiting);

    QDBusMessage question = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.atspi.Registry"),
        QStringLiteral("/org/a11y/atspi/registry/deviceeventcontroller"),
        QStringLiteral("org.a11y.atspi.DeviceEventController"),
        QStringLiteral("NotifyListenersSync"));
    question << QVariant::fromValue(deviceEvent(key));
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(question, answerTimeoutMs), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this,
            [this, waiting](QDBusPendingCallWatcher* answer) {
                const QDBusPendingReply<bool> reply = *answer;
                waiting->taken = reply.isValid() && reply.value();
                waiting->answered = true;
                answer->deleteLater();
                deliverAnswered();
            });
    return true;
}

// Keys reach the window in the order they were pressed, so each waits for
// the answers to the keys before it.
void ScreenReaderKeys::deliverAnswered() {
    while (!waiting_.empty() && waiting_.front()->answered) {
        const std::shared_ptr<Key> key = std::move(waiting_.front());
        waiting_.pop_front();
        if (!key->taken && key->receiver) {
            QCoreApplication::postEvent(key->receiver, key->event.release());
        }
    }
}
