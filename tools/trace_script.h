// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <istream>
#include <ostream>

namespace tempotik {

// Runs a trace script on a fresh measurement without a window. Commands, one
// a line:
//   c [N]   N clicks on Klikknop (default 1)
//   r       one click on Totaalteller
//   t [N]   N timer periods; each ticks only while the timer is on (default 1)
// N is a positive decimal of at most 9 digits. Blank lines and lines starting
// with # are skipped. After each command it writes the captions, the counters
// and the timer switch to out, preceded by "error N" when a handler failed.
// Returns 0, or 2 after naming the first line that is not a command on err.
int runTraceScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tempotik
