// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QWidget>

#include <array>

#include "display.h"

class TickSource;

// The window behind the measurement's display: each field is the text of the
// control of the same name, and the timer switch is the tick source.
class FormDisplay final : public tempotik::Display {
public:
    FormDisplay(QWidget& form, TickSource& timer);

    std::string caption(tempotik::Field field) const override;
    // An unchanged text is not written, so it does not repaint. A value wider
    // than its control is shown whole in a smaller font, never cut to a
    // different-looking number.
    void setCaption(tempotik::Field field, const std::string& text) override;
    void setTimerEnabled(bool enabled) override;

private:
    std::array<QWidget*, tempotik::allFields.size()> controls_;
    TickSource& timer_;
};
