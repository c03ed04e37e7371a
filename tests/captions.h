// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <string>

#include "display.h"
#include "run_time_error.h"

namespace tempotik {

// Returns the eleven captions in field order, separated by single spaces, so
// that one literal states what the whole window shows.
inline std::string captions(const Display& display) {
    std::string line;
    for (Field field : allFields) {
        line += (line.empty() ? "" : " ") + display.caption(field);
    }
    return line;
}

// Returns the name of the window's control that shows field, the field's own.
inline const char* controlName(Field field) {
    constexpr const char* names[] = {
        "Totaalteller",       "Secondeover",           "Tiensecondenover",      "Secondeteller",
        "Tiensecondenteller", "Persecondeteller",      "Pertiensecondenteller", "Perminuutteller",
        "Gemsecondeteller",   "Gemtiensecondenteller", "Gemminuutteller",
    };
    return names[static_cast<int>(field)];
}

// Returns the number of the RunTimeError that operation throws, or 0.
template <typename Operation>
int errorNumberOf(Operation operation) {
    try {
        operation();
    } catch (const RunTimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace tempotik
