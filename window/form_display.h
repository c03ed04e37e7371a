// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <string>

#include "display.h"
#include "value_backdrop.h"

class TickSource;

// The window behind the measurement's display: each field is the text of the
// control that the window hands it for that field, and the timer switch is the
// tick source. The measurement reads and writes its captions here on every
// tick; show() puts those that changed on the controls, which the window calls
// once a frame, so the controls repaint no more often than the screen can show
// them.
class FormDisplay final : public tempotik::Display {
public:
    // The controls that show the fields, in the order of the fields.
    using Controls = std::array<QWidget*, tempotik::allFields.size()>;

    // Shows the fields on controls, which are form's.
    FormDisplay(const Controls& controls, QWidget& form, TickSource& timer);

    // Returns the measurement's caption, shown or not yet.
    std::string caption(tempotik::Field field) const override;
    void setCaption(tempotik::Field field, const std::string& text) override;
    // Switched on, the tick source wakes once a frame of the form's screen.
    void setTimerEnabled(bool enabled) override;

    // Puts every caption that differs from what its control shows on the
    // control. A value wider than its control is shown whole in a smaller
    // font, never cut to a different-looking number. Returns whether a new
    // second's figures are among them: the last second's figure was written
    // since the last show, as it is once a second and by a reset.
    bool show();

    const Controls& controls() const { return controls_; }

private:
    QWidget& form_;
    TickSource& timer_;
    Controls controls_;
    std::array<std::string, tempotik::allFields.size()> captions_;
    std::array<std::string, tempotik::allFields.size()> shown_;
    ValueBackdrop backdrop_;
    bool newSecond_ = false;
};
