// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include "counters.h"
#include "display.h"

namespace tempotik {

// The three handlers. Each runs its steps in order; a step that fails throws
// RunTimeError, and what the steps before it wrote stays written.

// A click on Klikknop: counts one click and makes sure the timing runs.
void countClick(Display& display, Counters& counters);

// A click on Totaalteller: stops the timing and puts the figures back to their
// start, all but the three averages, which the next tick rewrites.
void reset(Display& display, Counters& counters);

// One timer period of 10 ms: counts the second down and, at the half-second,
// second and ten-second boundaries, turns the click counters into figures.
void tick(Display& display, Counters& counters);

}  // namespace tempotik
