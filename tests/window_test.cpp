// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <map>

#include "captions.h"
#include "tempotikform.h"

namespace {

using namespace std::chrono_literals;

// A clock that moves only when a test moves it.
struct FakeClock {
    std::chrono::steady_clock::time_point now{};
    TickSource::Clock function() {
        return [this] { return now; };
    }
};

class Window : public testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QString text(const char* name) const {
        QWidget* control = form.findChild<QWidget*>(name);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            return label->text();
        }
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            return button->text();
        }
        return qobject_cast<QGroupBox*>(control)->title();
    }
    QPushButton* button(const char* name) const { return form.findChild<QPushButton*>(name); }
    TickSource& timer() const { return *form.findChild<TickSource*>("Timer"); }
    // Each of these ends as the next frame of the screen has come: the ticks
    // due are delivered and the window shows its figures.
    // Presses a key where the keyboard focus is, as the platform would.
    void press(Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        timer().wakeUp();
    }
    void click(const char* name, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(button(name), Qt::LeftButton);
        }
        timer().wakeUp();
    }
    // Lets time pass.
    void wait(std::chrono::milliseconds duration) {
        clock.now += duration;
        timer().wakeUp();
    }

    // Returns every figure the window shows, in one line.
    QString figures() const {
        QStringList values;
        for (tempotik::Field field : tempotik::allFields) {
            values << text(tempotik::controlName(field));
        }
        return values.join(' ');
    }
    QMessageBox* report() const { return form.findChild<QMessageBox*>(); }
    // The program goes on after a failure: time passes, events are handled,
    // and nothing on screen changes until the next click.
    void expectFiguresStay() {
        const QString before = figures();
        wait(5s);
        QTest::qWait(50);
        EXPECT_EQ(figures(), before);
        EXPECT_FALSE(timer().isEnabled());
    }

    FakeClock clock;
    Tempotikform form{clock.function()};
};

struct ControlRow {
    const char* name;
    const char* className;
    const char* parent;
    const char* caption;
    QRect geometry;
};

// The window's controls in their stored order, with pixel geometry.
const ControlRow controls[] = {
    {"Gemiddeldenframe", "QGroupBox", "Tempotikform", "Gemiddelden", {72, 104, 105, 121}},
    {"Gemsecondeteller", "QLabel", "Gemiddeldenframe", "0", {72, 96, 25, 17}},
    {"Gemtiensecondenteller", "QLabel", "Gemiddeldenframe", "0", {8, 72, 89, 17}},
    {"Gemseclabel", "QLabel", "Gemiddeldenframe", "Per seconde:", {8, 96, 65, 17}},
    {"Gemminuutteller", "QLabel", "Gemiddeldenframe", "0", {8, 32, 89, 17}},
    {"Gemtiensecondenlabel", "QLabel", "Gemiddeldenframe", "Per 10 seconden:", {8, 56, 89, 17}},
    {"Gemminuutlabel", "QLabel", "Gemiddeldenframe", "Per minuut:", {8, 16, 89, 17}},
    {"Klikknop", "QPushButton", "Tempotikform", "Klik hier!", {0, 0, 183, 49}},
    {"Perframe", "QGroupBox", "Tempotikform", "Per...", {8, 88, 57, 137}},
    {"Persecondeteller", "QLabel", "Perframe", "0", {8, 112, 41, 17}},
    {"Persecondelabel", "QLabel", "Perframe", "1 Sec.:", {8, 96, 41, 17}},
    {"Pertiensecondenteller", "QLabel", "Perframe", "0", {8, 72, 41, 17}},
    {"Perminuutteller", "QLabel", "Perframe", "0", {8, 32, 41, 17}},
    {"Pertiensecondenlabel", "QLabel", "Perframe", "10 Sec.:", {8, 56, 41, 17}},
    {"Perminuutlabel", "QLabel", "Perframe", "Minuut:", {8, 16, 41, 17}},
    {"Laatsteframe", "QGroupBox", "Tempotikform", "Laatste...", {72, 48, 105, 57}},
    {"Secondeover", "QLabel", "Laatsteframe", "99", {80, 32, 17, 17}},
    {"Tiensecondenover", "QLabel", "Laatsteframe", "10", {80, 16, 17, 17}},
    {"Secondeteller", "QLabel", "Laatsteframe", "0", {56, 32, 17, 17}},
    {"Tiensecondenteller", "QLabel", "Laatsteframe", "0", {56, 16, 17, 17}},
    {"Secondelabel", "QLabel", "Laatsteframe", "Seconde", {8, 32, 49, 17}},
    {"Tiensecondenlabel", "QLabel", "Laatsteframe", "10 Sec.", {8, 16, 49, 17}},
    {"Totaalframe", "QGroupBox", "Tempotikform", "Totaal", {8, 48, 57, 41}},
    {"Totaalteller", "QPushButton", "Totaalframe", "0", {8, 16, 41, 17}},
};

TEST_F(Window, EveryControlIsWhereTheDefinitionPutsIt) {
    for (const ControlRow& row : controls) {
        SCOPED_TRACE(row.name);
        QWidget* control = form.findChild<QWidget*>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_STREQ(control->metaObject()->className(), row.className);
        EXPECT_EQ(control->parentWidget()->objectName(), row.parent);
        EXPECT_EQ(text(row.name), row.caption);
        EXPECT_EQ(control->geometry(), row.geometry);
        EXPECT_TRUE(control->isVisible());
    }
}

TEST_F(Window, ControlsAreCreatedInStoredOrder) {
    QStringList created;
    for (QWidget* control : form.findChildren<QWidget*>()) {
        created << control->objectName();
    }
    QStringList stored;
    for (const ControlRow& row : controls) {
        stored << row.name;
    }
    EXPECT_EQ(created, stored);
}

TEST_F(Window, IsAFixedWindowTitledTempotik) {
    EXPECT_EQ(form.objectName(), "Tempotikform");
    EXPECT_EQ(form.windowTitle(), "Tempotik");
    EXPECT_EQ(form.size(), QSize(183, 234));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

// Neither is the window's default button, not even with the focus.
TEST_F(Window, OnlyTheTwoButtonsTakeFocusKlikknopFirst) {
    EXPECT_EQ(QApplication::focusWidget(), button("Klikknop"));
    EXPECT_FALSE(button("Klikknop")->isDefault());
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button("Totaalteller"));
    EXPECT_FALSE(button("Totaalteller")->isDefault());
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button("Klikknop"));
    for (QWidget* control : form.findChildren<QWidget*>()) {
        const bool isButton = qobject_cast<QPushButton*>(control) != nullptr;
        EXPECT_EQ(control->focusPolicy() != Qt::NoFocus, isButton)
            << control->objectName().toStdString();
    }
}

// A value is plain digits, right-justified, in a box of fixed size: a new
// figure costs no look for markup and no layout request of its frame.
TEST_F(Window, ExactlyTheValueLabelsHaveTheValueStyle) {
    const QStringList values{"Gemsecondeteller",  "Gemtiensecondenteller", "Gemminuutteller",
                             "Persecondeteller",  "Pertiensecondenteller", "Perminuutteller",
                             "Secondeover",       "Tiensecondenover",      "Secondeteller",
                             "Tiensecondenteller"};
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const bool isValue = values.contains(label->objectName());
        EXPECT_EQ(bool(label->alignment() & Qt::AlignRight), isValue)
            << label->objectName().toStdString();
        EXPECT_EQ(label->textFormat() == Qt::PlainText, isValue)
            << label->objectName().toStdString();
        EXPECT_EQ(label->minimumSize() == label->maximumSize(), isValue)
            << label->objectName().toStdString();
    }
}

TEST_F(Window, NothingMovesUntilTheFirstClick) {
    wait(2s);
    EXPECT_EQ(text("Secondeover"), "99");
    EXPECT_FALSE(timer().isEnabled());
}

TEST_F(Window, MouseClicksCountAndTheTimerTicks) {
    click("Klikknop", 5);
    EXPECT_EQ(text("Totaalteller"), "5");
    EXPECT_TRUE(timer().isEnabled());
    wait(490ms);
    EXPECT_EQ(text("Secondeover"), "50");
    EXPECT_EQ(text("Persecondeteller"), "0");
    wait(10ms);
    EXPECT_EQ(text("Secondeover"), "49");
    EXPECT_EQ(text("Persecondeteller"), "10");
    EXPECT_EQ(text("Perminuutteller"), "600");
    EXPECT_EQ(text("Gemminuutteller"), "600");
}

TEST_F(Window, KeyboardActivatesTheFocusedButtonLikeTheMouse) {
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    EXPECT_EQ(text("Totaalteller"), "3");
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    EXPECT_EQ(text("Totaalteller"), "0");
    EXPECT_FALSE(timer().isEnabled());
}

TEST_F(Window, ResetStopsTheTimerAndKeepsTheAverages) {
    click("Klikknop", 3);
    wait(1s);
    // No frame comes once the timer is off, so the reset must show at once.
    QTest::mouseClick(button("Totaalteller"), Qt::LeftButton);
    EXPECT_FALSE(timer().isEnabled());
    EXPECT_EQ(text("Totaalteller"), "0");
    EXPECT_EQ(text("Secondeover"), "99");
    EXPECT_EQ(text("Secondeteller"), "0");
    EXPECT_EQ(text("Gemsecondeteller"), "3");
    wait(1s);
    EXPECT_EQ(text("Secondeover"), "99");
}

// A screen reader reads each figure by its name, which is what the screen
// shows at every frame, however few changes of name it is told of. What a
// name says before the figure stays: the total's button, which shows only the
// number, says what it counts, and so on Windows does every figure.
TEST_F(Window, EveryFigureIsNamedAsTheScreenShowsIt) {
    const auto nameOf = [this](tempotik::Field field) {
        return QAccessible::queryAccessibleInterface(
                   form.findChild<QWidget*>(tempotik::controlName(field)))
            ->text(QAccessible::Name);
    };
    std::map<tempotik::Field, QString> namedWith;
    for (tempotik::Field field : tempotik::allFields) {
        const QString name = nameOf(field);
        namedWith[field] = name.chopped(int(tempotik::startText(field).size()));
    }
    EXPECT_EQ(namedWith[tempotik::Field::Totaalteller], "Totaal: ");
    const auto expectNamesAsShown = [&] {
        for (tempotik::Field field : tempotik::allFields) {
            const char* name = tempotik::controlName(field);
            EXPECT_EQ(nameOf(field), namedWith[field] + text(name)) << name;
        }
    };
    click("Klikknop");
    for (int frame = 0; frame < 600; ++frame) {
        frame % 9 == 0 ? click("Klikknop") : wait(16ms);
        expectNamesAsShown();
    }
    QTest::mouseClick(button("Totaalteller"), Qt::LeftButton);
    expectNamesAsShown();
}

#ifdef Q_OS_WIN
// Windows screen readers hear a reset as UI Automation's notification event,
// which Wine carries to no other process; so the announcement is heard here.
TEST_F(Window, ResetIsAnnouncedToWindowsScreenReaders) {
    static QStringList heard;  // the handler is a plain function
    heard.clear();
    const bool wasActive = QAccessible::isActive();
    QAccessible::setActive(true);
    const QAccessible::UpdateHandler before =
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::Announcement) {
                heard << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
            }
        });
    click("Klikknop", 3);
    wait(1s);
    QTest::mouseClick(button("Totaalteller"), Qt::LeftButton);
    QAccessible::installUpdateHandler(before);
    QAccessible::setActive(wasActive);
    EXPECT_EQ(
        heard,
        QStringList("Totaal: 0. De meting is gestopt; de gemiddelden blijven staan: per seconde " +
                    text("Gemsecondeteller") + ", per minuut " + text("Gemminuutteller") + "."));
}
#endif

TEST_F(Window, OverflowIsReportedAndTheProgramGoesOn) {
    click("Klikknop", 274);
    wait(500ms);
    auto* report = form.findChild<QMessageBox*>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(report->windowModality(), Qt::WindowModal);
    EXPECT_EQ(report->windowTitle(), "Tempotik");
    EXPECT_TRUE(report->text().contains("6")) << report->text().toStdString();
    EXPECT_TRUE(report->text().contains("Overloop"));
    EXPECT_TRUE(report->text().contains("Klik hier!"));
    EXPECT_EQ(figures(), "274 49 10 0 0 0 0 0 0 0 0");
    expectFiguresStay();

    report->accept();
    click("Klikknop");
    EXPECT_EQ(text("Totaalteller"), "1");
    EXPECT_EQ(text("Secondeover"), "99");
    EXPECT_TRUE(timer().isEnabled());
}

// The clock driven through four and a half hours of timing: the count of half
// seconds overflows at the 32,768th, on a second boundary.
TEST_F(Window, FourAndAHalfHoursEndInAReportAndTheFiguresStay) {
    click("Klikknop");
    for (int halfSecond = 1; halfSecond < 32768; ++halfSecond) {
        wait(500ms);
    }
    EXPECT_EQ(report(), nullptr);
    EXPECT_EQ(figures(), "1 49 7 0 0 0 0 0 0 0 0");
    wait(500ms);
    ASSERT_NE(report(), nullptr);
    EXPECT_TRUE(report()->isVisible());
    EXPECT_EQ(figures(), "1 -1 7 0 0 0 0 0 0 0 0");
    expectFiguresStay();

    click("Klikknop");
    EXPECT_EQ(figures(), "1 99 10 0 0 0 0 0 0 0 0");
    wait(500ms);
    EXPECT_EQ(figures(), "1 49 10 0 0 2 20 120 2 20 120");
}

// An auto-clicker floods the event loop, so the failing tick is delivered
// inside a click. That click came before the report and must not wipe the
// figures the report says stay.
TEST_F(Window, ClickThatDeliversAFailingTickKeepsTheFigures) {
    click("Klikknop", 274);
    clock.now += 500ms;
    QTest::mouseClick(button("Klikknop"), Qt::LeftButton);  // no frame follows
    ASSERT_NE(form.findChild<QMessageBox*>(), nullptr);
    EXPECT_FALSE(timer().isEnabled());
    EXPECT_EQ(text("Secondeover"), "49");
    EXPECT_EQ(text("Totaalteller"), "274");
}

}  // namespace
