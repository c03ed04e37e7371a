// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

// The window's timer: one tick every 10 ms while it is on, kept to a monotonic
// clock so that the program's second lasts a real second. Ticks are due at the
// moment timing started plus k × 10 ms. The source wakes once per frame of the
// screen rather than once per tick, since no screen shows a figure sooner, and
// whenever it gets there, every tick that has come due is delivered, in order,
// so time catches up after a stall. Only this class reads the clock.
class TickSource : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds period{10};
    // Ten seconds of ticks are replayed: a busy machine can hold the event
    // loop up for seconds (under Wine, a burst of clicks with the processor
    // loaded did for 1.5 s), and that time passed. A longer gap (a suspended
    // machine) is not.
    static constexpr long long mostTicksReplayed = 1000;

    explicit TickSource(Clock clock, QObject* parent = nullptr);

    // On: starts a fresh schedule from now, unless already on. Off: stops at once.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    // How often the source wakes while it is on; 60 Hz until told otherwise.
    void setFramePeriod(std::chrono::nanoseconds framePeriod) { framePeriod_ = framePeriod; }

    // Emits ticked() once for every tick due by now, in order, stopping as
    // soon as the source is switched off.
    void deliverDue();
    // What the source does once a frame: delivers the due ticks, then emits
    // frameDue() so that the window shows them.
    void wakeUp();

signals:
    void ticked();
    void frameDue();

private:
    void wakeUpAtNextFrame();

    Clock clock_;
    QTimer wakeUp_;
    bool enabled_ = false;
    std::chrono::nanoseconds framePeriod_{16'666'667};
    std::chrono::steady_clock::time_point start_;
    long long delivered_ = 0;
};
