// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <string>
#include <string_view>

#include "arithmetic.h"

namespace tempotik {

// The total and the two countdowns live only as caption text, so every step
// that uses them converts text to a number and back with these four rules.

// Returns the decimal number a caption holds, spaces around it allowed;
// throws Typen komen niet overeen when the text is not a number.
double captionToDouble(std::string_view text);

// Returns value as caption text: a whole number below 10^15 in magnitude as
// plain digits with a leading "-" when negative ("98", "-1"); anything else
// with at most 15 significant digits ("1E+15", "0.5").
std::string doubleToCaption(double value);

// Returns value as plain digits, "-" first when negative.
std::string counterToCaption(Counter value);

// Returns value rounded to the nearest integer, a tie going to the even
// neighbour (2.5 gives 2); throws Overloop when that leaves -32768..32767.
Counter doubleToCounter(double value);

}  // namespace tempotik
