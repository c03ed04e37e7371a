// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "form_display.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <vector>

#include "spoken_figures.h"
#include "spoken_text.h"
#include "tick_source.h"

namespace {

QString textOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    return static_cast<const QAbstractButton&>(control).text();
}

void setTextOf(QWidget& control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(text);
    } else {
        static_cast<QAbstractButton&>(control).setText(text);
    }
}

// Returns the width the control has for its text.
int textRoom(const QWidget& control) {
    if (qobject_cast<const QLabel*>(&control)) {
        return control.contentsRect().width();
    }
    QStyleOptionButton option;
    option.initFrom(&control);
    return control.style()
        ->subElementRect(QStyle::SE_PushButtonContents, &option, &control)
        .width();
}

void fitFont(QWidget& control, const QString& text) {
    QFont font = control.parentWidget()->font();
    const int room = textRoom(control);
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 2.0) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (font != control.font()) {
        control.setFont(font);
    }
}

// Gives a figure's control the name a screen reader reads: the figure, and
// on the total's button, which shows only the number, with its frame's
// title, "Totaal: 5". A label with a name of its own tells no new name at a
// new text.
void nameFigure(QWidget& control, const std::string& caption) {
    QString name = QString::fromStdString(caption);
    if (qobject_cast<QAbstractButton*>(&control)) {
        name.prepend(static_cast<const QGroupBox&>(*control.parentWidget()).title() +
                     QStringLiteral(": "));
    }
    control.setAccessibleName(name);
}

// Returns how long one frame of the widget's screen lasts; 60 Hz where the
// screen does not say.
std::chrono::nanoseconds framePeriod(const QWidget& widget) {
    const qreal hertz = widget.screen() ? widget.screen()->refreshRate() : 0.0;
    return std::chrono::nanoseconds(std::llround(1e9 / (hertz >= 1.0 ? hertz : 60.0)));
}

}  // namespace

FormDisplay::FormDisplay(QWidget& form, TickSource& timer)
    : form_(form),
      timer_(timer),
      figures_(*form.findChild<SpokenText*>(QStringLiteral("Cijfers"))) {
    for (tempotik::Field field : tempotik::allFields) {
        const auto name = tempotik::controlName(field);
        QWidget* control = form.findChild<QWidget*>(QString::fromLatin1(name.data(), name.size()));
        Q_ASSERT(control);
        controls_[static_cast<int>(field)] = control;
        captions_[static_cast<int>(field)] = shown_[static_cast<int>(field)] =
            named_[static_cast<int>(field)] = textOf(*control).toStdString();
        nameFigure(*control, named_[static_cast<int>(field)]);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            backdrop_.install(*label);
        }
    }
    figures_.setText(spokenFigures(*this));
}

std::string FormDisplay::caption(tempotik::Field field) const {
    return captions_[static_cast<int>(field)];
}

void FormDisplay::setCaption(tempotik::Field field, const std::string& text) {
    captions_[static_cast<int>(field)] = text;
    // The last second's figure is written once a second, and by a reset: the
    // spoken figures are renewed as often, current and calm.
    if (field == tempotik::Field::Secondeteller) {
        figuresDue_ = true;
    }
}

void FormDisplay::setTimerEnabled(bool enabled) {
    if (enabled) {
        timer_.setFramePeriod(framePeriod(form_));
    }
    timer_.setEnabled(enabled);
}

void FormDisplay::show() {
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        if (captions_[i] == shown_[i]) {
            continue;
        }
        const QString text = QString::fromStdString(captions_[i]);
        setTextOf(*controls_[i], text);
        // The window's digits share one width, so only a new length can stop
        // a value fitting.
        if (captions_[i].size() != shown_[i].size()) {
            fitFont(*controls_[i], text);
        }
        if (auto* label = qobject_cast<QLabel*>(controls_[i])) {
            backdrop_.prepare(*label);
        }
        shown_[i] = captions_[i];
    }
    if (figuresDue_ || !timer_.isEnabled()) {
        renameFigures(!timer_.isEnabled());
    }
    if (figuresDue_) {
        figures_.setText(spokenFigures(*this));
        figuresDue_ = false;
    }
}

// What a screen reader reads of a figure is renewed as often as the spoken
// figures: while timing a few names a second, those that waited longest
// first, so that a screen reader, which works through every change it is
// told, keeps up with the keys it must answer; with the timer off, all at
// once. Between renewals each name is the figure as it stood at the last,
// whenever a screen reader reads it.
void FormDisplay::renameFigures(bool all) {
    ++renamings_;
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (named_[i] != shown_[i]) {
            changed.push_back(i);
        }
    }
    std::stable_sort(changed.begin(), changed.end(),
                     [this](std::size_t a, std::size_t b) { return namedAt_[a] < namedAt_[b]; });
    if (!all && changed.size() > mostRenamedAtOnce) {
        changed.resize(mostRenamedAtOnce);
    }
    for (const std::size_t i : changed) {
        named_[i] = shown_[i];
        namedAt_[i] = renamings_;
        nameFigure(*controls_[i], named_[i]);
    }
}
