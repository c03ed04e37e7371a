// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include "arithmetic.h"

namespace tempotik {

// The four counters the handlers keep beside the captions, all 0 at the start.
struct Counters {
    Counter tiensecondenklikken = 0;  // clicks since the last ten-second boundary
    Counter secondeklikken = 0;       // clicks since the last second boundary
    Counter halvesecondeklikken = 0;  // clicks since the last half-second boundary
    Counter halvesecondes = 0;        // half-second boundaries since the start or the last reset

    friend bool operator==(const Counters&, const Counters&) = default;
};

}  // namespace tempotik
