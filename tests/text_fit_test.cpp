// Tempotik — a click-speed meter. Licensed under the MIT licence.
// Every figure readable: run at scale 1 and with QT_SCALE_FACTOR 1.25, 1.5 and 2.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "form_display.h"
#include "tempotikform.h"

namespace {

using tempotik::Field;

// The room a control has for its text.
QRect room(const QWidget& control) {
    if (auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return control.contentsRect();
}

QString textOf(const QWidget& control) {
    if (auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    return qobject_cast<const QPushButton*>(&control)->text();
}

// Returns why the control's text does not fit, or "" when it does.
std::string overflow(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    const int width = metrics.horizontalAdvance(textOf(control));
    if (width > room(control).width() || metrics.height() > room(control).height()) {
        return control.objectName().toStdString() + ": \"" + textOf(control).toStdString() +
               "\" needs " + std::to_string(width) + "×" + std::to_string(metrics.height()) +
               ", has " + std::to_string(room(control).width()) + "×" +
               std::to_string(room(control).height());
    }
    return "";
}

class TextFit : public testing::Test {
protected:
    QWidget& control(Field field) const {
        return *form.findChild<QWidget*>(QString::fromLatin1(tempotik::controlName(field)));
    }

    Tempotikform form;
    FormDisplay display{form, *form.findChild<TickSource*>("Timer")};
};

TEST_F(TextFit, FormUsesASmallSansSerif) {
    EXPECT_EQ(form.font().family(), "Carlito");
    EXPECT_EQ(form.font().pointSize(), 8);
    EXPECT_EQ(QFontInfo(form.font()).family(), "Carlito") << "the font is not installed";
}

TEST_F(TextFit, EveryCaptionFits) {
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control)) {
            EXPECT_EQ(overflow(*control), "");
        }
    }
    for (QGroupBox* frame : form.findChildren<QGroupBox*>()) {
        // The title starts one indent in and must end before the frame does.
        const int title = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
        EXPECT_LE(title + 16, frame->width()) << frame->objectName().toStdString();
    }
}

// The widest values a person can reach, up to 50 clicks a second, show whole
// in the form's own font.
TEST_F(TextFit, ValuesAPersonReachesFitInTheFormFont) {
    const std::pair<Field, const char*> widest[] = {
        {Field::Secondeteller, "88"},
        {Field::Persecondeteller, "88"},
        {Field::Tiensecondenteller, "888"},
        {Field::Pertiensecondenteller, "888"},
        {Field::Gemsecondeteller, "888"},
        {Field::Perminuutteller, "8888"},
        {Field::Totaalteller, "88888"},
        {Field::Gemminuutteller, "88888"},
        {Field::Gemtiensecondenteller, "88888"},
        {Field::Secondeover, "99"},
        {Field::Tiensecondenover, "10"},
    };
    for (auto [field, text] : widest) {
        display.setCaption(field, text);
        EXPECT_EQ(control(field).font(), form.font()) << text;
        EXPECT_EQ(overflow(control(field)), "");
    }
}

// An auto-clicker reaches more digits than a control was made for: they show
// whole, in a smaller font, never cut to a different-looking number.
TEST_F(TextFit, LargerValuesShrinkRatherThanLoseDigits) {
    const std::pair<Field, const char*> beyond[] = {
        {Field::Secondeteller, "32767"},
        {Field::Tiensecondenteller, "32767"},
        {Field::Gemsecondeteller, "32767"},
        {Field::Totaalteller, "123456789"},
    };
    for (auto [field, text] : beyond) {
        display.setCaption(field, text);
        EXPECT_EQ(textOf(control(field)), text);
        EXPECT_LT(control(field).font().pointSizeF(), form.font().pointSizeF()) << text;
        EXPECT_EQ(overflow(control(field)), "");
    }
    display.setCaption(Field::Tiensecondenteller, "0");
    EXPECT_EQ(control(Field::Tiensecondenteller).font(), form.font());
}

}  // namespace
