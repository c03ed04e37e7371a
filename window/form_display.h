// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <string>

#include "display.h"
#include "value_backdrop.h"

class SpokenText;
class TickSource;

// The window behind the measurement's display: each field is the text of the
// control of the same name, and the timer switch is the tick source. The
// measurement reads and writes its captions here on every tick; show() puts
// those that changed on the controls, which the window calls once a frame, so
// the controls repaint no more often than the screen can show them. It also
// keeps what a screen reader is told beside them: each figure's name, the
// total button's with its frame's title, and the figures in the window's
// spoken status bar.
class FormDisplay final : public tempotik::Display {
public:
    FormDisplay(QWidget& form, TickSource& timer);

    // Returns the measurement's caption, shown or not yet.
    std::string caption(tempotik::Field field) const override;
    void setCaption(tempotik::Field field, const std::string& text) override;
    // Switched on, the tick source wakes once a frame of the form's screen.
    void setTimerEnabled(bool enabled) override;

    // Puts every caption that differs from what its control shows on the
    // control. A value wider than its control is shown whole in a smaller
    // font, never cut to a different-looking number.
    void show();

    // While timing, at most this many figures are renamed a second; with the
    // spoken figures that is five names a second that a screen reader hears.
    static constexpr std::size_t mostRenamedAtOnce = 4;

private:
    void renameFigures(bool all);

    QWidget& form_;
    TickSource& timer_;
    std::array<QWidget*, tempotik::allFields.size()> controls_;
    std::array<std::string, tempotik::allFields.size()> captions_;
    std::array<std::string, tempotik::allFields.size()> shown_;
    std::array<std::string, tempotik::allFields.size()> named_;
    std::array<long long, tempotik::allFields.size()> namedAt_{};  // the renaming that did it
    long long renamings_ = 0;
    ValueBackdrop backdrop_;
    SpokenText& figures_;
    bool figuresDue_ = false;
};
