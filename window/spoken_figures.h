// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QString>

namespace tempotik {
class Display;
}

// Returns the figures a screen-reader user asks for, each after its caption,
// in the order they are wanted: the last second, the last ten seconds, the
// averages per second and per minute, the total; while the total is 0, that
// nothing is measured yet.
QString spokenFigures(const tempotik::Display& display);
