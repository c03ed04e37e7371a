// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "tick_source.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tempotikform.h"

namespace {

using namespace std::chrono_literals;

class Ticks : public testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&source, &TickSource::ticked, [this] { ++delivered; });
    }

    std::chrono::steady_clock::time_point now{};
    TickSource source{[this] { return now; }};
    int delivered = 0;
};

TEST_F(Ticks, DueTicksAreDeliveredOnlyWhileEnabled) {
    now += 50ms;
    source.deliverDue();
    EXPECT_EQ(delivered, 0);
    source.setEnabled(true);
    now += 9ms;
    source.deliverDue();
    EXPECT_EQ(delivered, 0);
    now += 1ms;
    source.deliverDue();
    EXPECT_EQ(delivered, 1);
}

TEST_F(Ticks, AStallIsCaughtUpOnTheSameSchedule) {
    source.setEnabled(true);
    now += 57ms;
    source.deliverDue();
    EXPECT_EQ(delivered, 5);
    now += 3ms;  // 60 ms: the sixth tick is due on the original schedule
    source.deliverDue();
    EXPECT_EQ(delivered, 6);
}

TEST_F(Ticks, AGapOverTenSecondsStartsAFreshSchedule) {
    source.setEnabled(true);
    now += 10s;
    source.deliverDue();
    EXPECT_EQ(delivered, 1000);  // ten whole seconds are still replayed
    now += 30s;
    source.deliverDue();
    EXPECT_EQ(delivered, 1000);
    now += 15ms;  // the schedule now runs from the end of the gap
    source.deliverDue();
    EXPECT_EQ(delivered, 1001);
}

TEST_F(Ticks, SwitchingOffStopsDeliveryAtOnce) {
    QObject::connect(&source, &TickSource::ticked, [this] {
        if (delivered == 3) {
            source.setEnabled(false);
        }
    });
    source.setEnabled(true);
    now += 100ms;
    source.deliverDue();
    EXPECT_EQ(delivered, 3);
    source.setEnabled(true);  // restarting starts afresh from now
    source.deliverDue();
    EXPECT_EQ(delivered, 3);
}

TEST(TicksAndClicks, TicksDueBeforeAClickAreDeliveredFirst) {
    std::chrono::steady_clock::time_point now{};
    Tempotikform form{[&now] { return now; }};
    auto* klikknop = form.findChild<QPushButton*>("Klikknop");
    QTest::mouseClick(klikknop, Qt::LeftButton);
    now += 450ms;
    form.findChild<TickSource*>("Timer")->deliverDue();
    now += 57ms;  // a stall: five ticks come due, the 50th (a half second) among them
    QTest::mouseClick(klikknop, Qt::LeftButton);
    form.findChild<TickSource*>("Timer")->wakeUp();  // the next frame shows it
    EXPECT_EQ(form.findChild<QLabel*>("Secondeover")->text(), "49");
    // The click came after the half-second boundary, so it counts in the next one.
    EXPECT_EQ(form.findChild<QLabel*>("Persecondeteller")->text(), "2");
    EXPECT_EQ(form.findChild<QPushButton*>("Totaalteller")->text(), "2");
}

}  // namespace
