// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include "counters.h"
#include "display.h"

namespace tempotik {

// One measurement on one display: the counters, the three handlers, and what
// happens when a handler fails. A failed handler ends the measurement rather
// than the program: the figures it wrote stay on screen, the timer stops, and
// the next click on Klikknop resets the measurement before it counts, because a
// failed tick can leave a countdown torn (at -1).
class Measurement {
public:
    explicit Measurement(Display& display) : display_(display) {}

    // Each of these rethrows the RunTimeError of a failed handler, after
    // ending the measurement, so that the caller can report it.
    void click();
    void reset();
    void tick();

    const Counters& counters() const { return counters_; }
    // Returns whether a failed handler ended the measurement, so that the
    // next click starts afresh.
    bool ended() const { return ended_; }

private:
    template <typename Handler>
    void run(Handler handler);

    Display& display_;
    Counters counters_;
    bool ended_ = false;
};

}  // namespace tempotik
