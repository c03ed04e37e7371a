// Tempotik — a click-speed meter. Licensed under the MIT licence.
// Every figure readable: run at scale 1 and with QT_SCALE_FACTOR 1.25, 1.5 and 2.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <memory>
#include <vector>

#include "captions.h"
#include "form_display.h"
#include "tempotikform.h"

namespace {

using tempotik::Field;

// The room a control has for its text. A button's is as wide as its style's
// contents and as high as the button inside its frame: the caption is drawn
// centred on the button, and the style's margins above and below (the Vista
// style leaves 9 of 17 pixels) are no limit on what shows.
QRect room(const QWidget& control) {
    if (auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int frame =
            button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        return QRect(contents.left(), frame, contents.width(), button->height() - 2 * frame);
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
        return *form.findChild<QWidget*>(tempotik::controlName(field));
    }
    FormDisplay::Controls controls() const {
        FormDisplay::Controls controls{};
        for (Field field : tempotik::allFields) {
            controls[static_cast<std::size_t>(field)] = &control(field);
        }
        return controls;
    }

    Tempotikform form;
    FormDisplay display{controls(), form, *form.findChild<TickSource*>("Timer")};
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
        display.show();
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
        display.show();
        EXPECT_EQ(textOf(control(field)), text);
        EXPECT_LT(control(field).font().pointSizeF(), form.font().pointSizeF()) << text;
        EXPECT_EQ(overflow(control(field)), "");
    }
    display.setCaption(Field::Tiensecondenteller, "0");
    display.show();
    EXPECT_EQ(control(Field::Tiensecondenteller).font(), form.font());
}

// The value labels paint the frame behind them themselves; what the screen
// shows must be what plain labels over a plain frame show, at every scale.
TEST_F(TextFit, ValueLabelsShowTheirFrameBehindThem) {
    for (Field field : {Field::Secondeover, Field::Tiensecondenteller, Field::Persecondeteller,
                        Field::Gemminuutteller}) {
        display.setCaption(field, "88");
    }
    display.show();

    QWidget plain;
    plain.setFont(form.font());
    plain.resize(form.size());
    for (QGroupBox* frame : form.findChildren<QGroupBox*>()) {
        auto* copy = new QGroupBox(frame->title(), &plain);
        copy->setGeometry(frame->geometry());
        for (QLabel* label : frame->findChildren<QLabel*>()) {
            auto* labelCopy = new QLabel(label->text(), copy);
            labelCopy->setGeometry(label->geometry());
            labelCopy->setAlignment(label->alignment());
        }
    }
    const QImage expected = plain.grab().toImage();
    const QImage shown = form.grab().toImage();
    ASSERT_EQ(shown.size(), expected.size());
    const qreal ratio = shown.devicePixelRatio();
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const QRect area(label->mapTo(&form, QPoint()) * ratio, label->size() * ratio);
        EXPECT_EQ(shown.copy(area), expected.copy(area)) << label->objectName().toStdString();
    }
}

}  // namespace
