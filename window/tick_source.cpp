// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "tick_source.h"

#include <algorithm>

TickSource::TickSource(Clock clock, QObject* parent) : QObject(parent), clock_(std::move(clock)) {
    wakeUp_.setSingleShot(true);
    wakeUp_.setTimerType(Qt::PreciseTimer);
    connect(&wakeUp_, &QTimer::timeout, this, &TickSource::wakeUp);
}

void TickSource::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (!enabled) {
        wakeUp_.stop();
        return;
    }
    start_ = clock_();
    delivered_ = 0;
    wakeUpAtNextFrame();
}

void TickSource::deliverDue() {
    if (!enabled_) {
        return;
    }
    const auto now = clock_();
    long long due = (now - start_) / period;
    if (due - delivered_ > mostTicksReplayed) {
        start_ = now;
        delivered_ = due = 0;
    }
    while (enabled_ && delivered_ < due) {
        ++delivered_;
        emit ticked();
    }
}

void TickSource::wakeUp() {
    deliverDue();
    emit frameDue();
    if (enabled_) {
        wakeUpAtNextFrame();
    }
}

// Frames run from the start of timing, so that each tick is shown less than
// one frame after it falls due.
void TickSource::wakeUpAtNextFrame() {
    const auto now = clock_();
    const auto next = start_ + ((now - start_) / framePeriod_ + 1) * framePeriod_;
    // Rounded up: a timer that fires a fraction early would find the frame not begun.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - now);
    wakeUp_.start(std::max(wait, std::chrono::milliseconds{0}));
}
