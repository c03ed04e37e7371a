// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QObject>
#include <QPointer>

#include <deque>
#include <memory>

class QEvent;
class QKeyEvent;

// On an AT-SPI desktop every key goes to the screen reader first, and reaches
// the window only if the screen reader lets it pass: a blind user's commands
// to the screen reader (Orca's keypad) must never click or reset. Qt does this
// itself, but waits only 100 ms for the answer and then gives the window that
// key and every key held after it; a screen reader that is still carrying out
// its last command (a flat review, the status bar) answers later than that.
// This asks the screen reader in Qt's place and waits as long as GTK does,
// keeping the keys in order.
class ScreenReaderKeys : public QObject {
public:
    // As long as the keys wait for an answer; past it the window gets them.
    static constexpr int answerTimeoutMs = 9000;

    ScreenReaderKeys();
    ~ScreenReaderKeys() override;

    // Returns whether the event is a key that the screen reader is asked
    // about first; the window then gets it afterwards, unless the screen
    // reader takes it. Call it before anything else sees the event.
    bool take(QObject* receiver, QEvent* event);

private:
    struct Key {
        QPointer<QObject> receiver;
        std::unique_ptr<QKeyEvent> event;
        bool answered = false;
        bool taken = false;
    };
    void deliverAnswered();

    std::deque<std::shared_ptr<Key>> waiting_;
};
