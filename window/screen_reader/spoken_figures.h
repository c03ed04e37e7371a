// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <QString>

#include <array>
#include <cstddef>

#include "fields.h"
#include "spoken_text.h"

class QWidget;

namespace tempotik {
class Display;
}

// What a screen reader is told of the window's figures:
// - each figure's name is what its control shows, read at any moment; the
//   total's button, which shows only the number, is named with its frame's
//   title, "Totaal: 5", and on Windows each value with its caption,
//   "Per minuut: 40";
// - the news of new names: while timing, once a second, of at most four
//   figures, those that waited longest first; with the timer off, of all at
//   once. With the status bar's, that is five a second at most;
// - the status bar: the latest figures with their captions, renewed as
//   often, and never spoken unasked;
// - a reset, spoken at once with the averages it leaves on screen.
class SpokenFigures {
public:
    // The controls that show the figures, in the order of the fields.
    using Controls = std::array<QWidget*, tempotik::allFields.size()>;
    static constexpr std::size_t mostNewNamesASecond = 4;

    // Speaks of the figures that display holds and controls show, which are
    // window's; window holds the status bar and the notification too.
    SpokenFigures(QWidget& window, const tempotik::Display& display, const Controls& controls);

    // Call whenever the controls show what display holds: newSecond when a
    // new second's figures are among them (or a reset's), timing while the
    // timer runs.
    void shown(bool newSecond, bool timing);
    // Speaks a reset: the button keeps the focus, and its new name alone
    // would go unheard.
    void announceReset();

private:
    QWidget& control(tempotik::Field field) const;
    QString shows(tempotik::Field field) const;
    bool averagesShown() const;
    QString statusText() const;
    void nameFigures();
    void tellNewNames(std::size_t most);

    const tempotik::Display& display_;
    Controls controls_;
    SpokenText statusBar_;
    SpokenText announcer_;
    // What each figure's name says before it ("Totaal: "), or nothing.
    std::array<QString, tempotik::allFields.size()> namedWith_;
    std::array<QString, tempotik::allFields.size()> told_;
    std::array<long long, tempotik::allFields.size()> toldAt_{};  // the telling that did it
    long long tellings_ = 0;
};
