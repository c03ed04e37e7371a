// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <array>
#include <string>

#include "display.h"

namespace tempotik {

// A display without a window: the captions and the timer switch held in memory,
// as they stand when the window opens.
class DisplayFields final : public Display {
public:
    DisplayFields();

    std::string caption(Field field) const override;
    void setCaption(Field field, const std::string& text) override;
    void setTimerEnabled(bool enabled) override;

    bool timerEnabled() const { return timerEnabled_; }

private:
    std::array<std::string, allFields.size()> captions_;
    bool timerEnabled_ = false;
};

}  // namespace tempotik
