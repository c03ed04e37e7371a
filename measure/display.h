// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <string>

#include "fields.h"

namespace tempotik {

// What the handlers need from a window, and nothing more. The Qt window and
// the in-memory DisplayFields both stand behind it.
class Display {
public:
    virtual ~Display() = default;

    // Returns the caption the control of field shows now.
    virtual std::string caption(Field field) const = 0;
    virtual void setCaption(Field field, const std::string& text) = 0;
    // Switches the tick on or off; ticks reach the handlers only while it is on.
    virtual void setTimerEnabled(bool enabled) = 0;
};

}  // namespace tempotik
