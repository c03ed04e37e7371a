// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "form_display.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>
#include <utility>

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

// Returns how long one frame of the widget's screen lasts; 60 Hz where the
// screen does not say.
std::chrono::nanoseconds framePeriod(const QWidget& widget) {
    const qreal hertz = widget.screen() ? widget.screen()->refreshRate() : 0.0;
    return std::chrono::nanoseconds(std::llround(1e9 / (hertz >= 1.0 ? hertz : 60.0)));
}

}  // namespace

FormDisplay::FormDisplay(const Controls& controls, QWidget& form, TickSource& timer)
    : form_(form), timer_(timer), controls_(controls) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        captions_[i] = shown_[i] = textOf(*controls_[i]).toStdString();
        if (auto* label = qobject_cast<QLabel*>(controls_[i])) {
            backdrop_.install(*label);
        }
    }
}

std::string FormDisplay::caption(tempotik::Field field) const {
    return captions_[static_cast<int>(field)];
}

void FormDisplay::setCaption(tempotik::Field field, const std::string& text) {
    captions_[static_cast<int>(field)] = text;
    if (field == tempotik::Field::Secondeteller) {
        newSecond_ = true;
    }
}

void FormDisplay::setTimerEnabled(bool enabled) {
    if (enabled) {
        timer_.setFramePeriod(framePeriod(form_));
    }
    timer_.setEnabled(enabled);
}

bool FormDisplay::show() {
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
    return std::exchange(newSecond_, false);
}
