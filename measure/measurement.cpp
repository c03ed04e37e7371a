// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "measurement.h"

#include "handlers.h"
#include "run_time_error.h"

namespace tempotik {

template <typename Handler>
void Measurement::run(Handler handler) {
    try {
        handler(display_, counters_);
    } catch (const RunTimeError&) {
        display_.setTimerEnabled(false);
        ended_ = true;
        throw;
    }
}

void Measurement::click() {
    if (ended_) {
        ended_ = false;
        run(tempotik::reset);
    }
    run(countClick);
}

void Measurement::reset() {
    ended_ = false;
    run(tempotik::reset);
}

void Measurement::tick() {
    run(tempotik::tick);
}

}  // namespace tempotik
