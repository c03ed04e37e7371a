// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <array>
#include <string_view>

namespace tempotik {

// The display fields: the captions the handlers read and write, in the order
// the trace driver prints them. The total and the two countdowns are stored
// nowhere else.
enum class Field {
    Totaalteller,           // total clicks since start or the last reset
    Secondeover,            // ticks left in the current second, counting down
    Tiensecondenover,       // seconds left in the current ten seconds, counting down
    Secondeteller,          // clicks in the last whole second
    Tiensecondenteller,     // clicks in the last whole ten seconds
    Persecondeteller,       // clicks in the last half second, times 2
    Pertiensecondenteller,  // clicks in the last half second, times 20
    Perminuutteller,        // clicks in the last half second, times 120
    Gemsecondeteller,       // average clicks per second since the start
    Gemtiensecondenteller,  // average clicks per ten seconds since the start
    Gemminuutteller,        // average clicks per minute since the start
};

inline constexpr std::array allFields{
    Field::Totaalteller,          Field::Secondeover,        Field::Tiensecondenover,
    Field::Secondeteller,         Field::Tiensecondenteller, Field::Persecondeteller,
    Field::Pertiensecondenteller, Field::Perminuutteller,    Field::Gemsecondeteller,
    Field::Gemtiensecondenteller, Field::Gemminuutteller,
};

// Returns the text the field shows when the window opens.
std::string_view startText(Field field);

}  // namespace tempotik
