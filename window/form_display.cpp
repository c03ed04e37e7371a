// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "form_display.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

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

}  // namespace

FormDisplay::FormDisplay(QWidget& form, TickSource& timer) : timer_(timer) {
    for (tempotik::Field field : tempotik::allFields) {
        const auto name = tempotik::controlName(field);
        controls_[static_cast<int>(field)] =
            form.findChild<QWidget*>(QString::fromLatin1(name.data(), name.size()));
        Q_ASSERT(controls_[static_cast<int>(field)]);
    }
}

std::string FormDisplay::caption(tempotik::Field field) const {
    return textOf(*controls_[static_cast<int>(field)]).toStdString();
}

void FormDisplay::setCaption(tempotik::Field field, const std::string& text) {
    QWidget& control = *controls_[static_cast<int>(field)];
    const QString newText = QString::fromStdString(text);
    if (newText == textOf(control)) {
        return;
    }
    setTextOf(control, newText);
    fitFont(control, newText);
}

void FormDisplay::setTimerEnabled(bool enabled) {
    timer_.setEnabled(enabled);
}
