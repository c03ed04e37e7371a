// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "handlers.h"

#include <gtest/gtest.h>

#include "captions.h"
#include "display_fields.h"

namespace tempotik {
namespace {

constexpr const char* startCaptions = "0 99 10 0 0 0 0 0 0 0 0";

class Handlers : public testing::Test {
protected:
    void ticks(int count) {
        for (int i = 0; i < count; ++i) {
            tick(display, counters);
        }
    }
    void clicks(int count) {
        for (int i = 0; i < count; ++i) {
            countClick(display, counters);
        }
    }

    DisplayFields display;
    Counters counters;
};

TEST_F(Handlers, StartStateShowsStartTexts) {
    EXPECT_EQ(captions(display), startCaptions);
    EXPECT_EQ(counters, (Counters{0, 0, 0, 0}));
    EXPECT_FALSE(display.timerEnabled());
}

TEST_F(Handlers, ClickCountsAndStartsTheTimer) {
    clicks(1);
    EXPECT_EQ(captions(display), "1 99 10 0 0 0 0 0 0 0 0");
    EXPECT_EQ(counters, (Counters{1, 1, 1, 0}));
    EXPECT_TRUE(display.timerEnabled());
}

TEST_F(Handlers, TotalIsNotLimitedToSixteenBits) {
    display.setCaption(Field::Totaalteller, "32767");
    clicks(1);
    EXPECT_EQ(display.caption(Field::Totaalteller), "32768");
}

TEST_F(Handlers, ClickOverflowKeepsEarlierStepsAndSkipsLaterOnes) {
    counters = {32767, 5, 5, 0};
    EXPECT_EQ(errorNumberOf([&] { clicks(1); }), 6);
    EXPECT_EQ(display.caption(Field::Totaalteller), "1");
    EXPECT_EQ(counters, (Counters{32767, 5, 5, 0}));
    EXPECT_FALSE(display.timerEnabled());
}

TEST_F(Handlers, ResetWhileTimingKeepsTheAverages) {
    clicks(7);
    ticks(250);
    clicks(2);
    ASSERT_EQ(captions(display), "9 49 8 0 0 0 0 0 3 28 168");
    reset(display, counters);
    EXPECT_EQ(captions(display), "0 99 10 0 0 0 0 0 3 28 168");
    EXPECT_EQ(counters, (Counters{0, 0, 0, 0}));
    EXPECT_FALSE(display.timerEnabled());
}

TEST_F(Handlers, ResetInIdleChangesNothing) {
    reset(display, counters);
    EXPECT_EQ(captions(display), startCaptions);
    EXPECT_EQ(counters, (Counters{0, 0, 0, 0}));
    EXPECT_FALSE(display.timerEnabled());
}

TEST_F(Handlers, FirstTickAfterResetClearsTheAverages) {
    clicks(3);
    ticks(50);
    reset(display, counters);
    clicks(1);
    EXPECT_EQ(captions(display), "1 99 10 0 0 0 0 0 6 60 360");
    ticks(1);
    EXPECT_EQ(captions(display), "1 98 10 0 0 0 0 0 0 0 0");
}

// The worked run: 5 clicks, the first of which starts the timer, then ticks.
TEST_F(Handlers, WorkedRunShowsEachBoundary) {
    clicks(5);
    ticks(1);
    EXPECT_EQ(captions(display), "5 98 10 0 0 0 0 0 0 0 0");
    ticks(48);
    EXPECT_EQ(captions(display), "5 50 10 0 0 0 0 0 0 0 0");
    EXPECT_EQ(counters, (Counters{5, 5, 5, 0}));

    ticks(1);  // tick 50: the mid-second boundary
    EXPECT_EQ(captions(display), "5 49 10 0 0 10 100 600 10 100 600");
    EXPECT_EQ(counters, (Counters{5, 5, 0, 1}));

    ticks(50);  // tick 100: a half-second and the second boundary
    EXPECT_EQ(captions(display), "5 99 9 5 0 0 0 0 5 50 300");
    EXPECT_EQ(counters, (Counters{5, 0, 0, 2}));

    ticks(900);  // tick 1000: the tenth second boundary
    EXPECT_EQ(captions(display), "5 99 10 0 5 0 0 0 0 5 30");
    EXPECT_EQ(counters, (Counters{0, 0, 0, 20}));
}

TEST_F(Handlers, ClicksBetweenBoundariesRaiseTheAveragesAtOnce) {
    clicks(2);
    ticks(50);
    EXPECT_EQ(display.caption(Field::Gemsecondeteller), "4");
    clicks(1);
    ticks(1);
    EXPECT_EQ(display.caption(Field::Gemsecondeteller), "6");
    EXPECT_EQ(display.caption(Field::Persecondeteller), "4");
}

TEST_F(Handlers, AveragesRoundHalfToEven) {
    display.setCaption(Field::Secondeover, "60");
    counters.halvesecondes = 4;
    for (auto [total, perSecond] : {std::pair{"1", "0"}, {"3", "2"}, {"5", "2"}, {"7", "4"}}) {
        display.setCaption(Field::Totaalteller, total);
        ticks(1);
        EXPECT_EQ(display.caption(Field::Gemsecondeteller), perSecond) << "total " << total;
    }
}

TEST_F(Handlers, TickFromZeroRunsHalfSecondAndSecondBoundary) {
    display.setCaption(Field::Secondeover, "0");
    counters = {4, 3, 2, 5};
    ticks(1);
    EXPECT_EQ(captions(display), "0 99 9 3 0 4 40 240 0 0 0");
    EXPECT_EQ(counters, (Counters{4, 0, 0, 6}));
}

TEST_F(Handlers, RateOverflowsAtTwoHundredSeventyFourClicksAHalfSecond) {
    display.setCaption(Field::Secondeover, "50");
    counters.halvesecondeklikken = 273;
    ticks(1);
    EXPECT_EQ(captions(display), "0 49 10 0 0 546 5460 32760 0 0 0");

    display.setCaption(Field::Secondeover, "50");
    counters.halvesecondeklikken = 274;
    EXPECT_EQ(errorNumberOf([&] { ticks(1); }), 6);
    EXPECT_EQ(captions(display), "0 49 10 0 0 546 5460 32760 0 0 0");
    EXPECT_EQ(counters, (Counters{0, 0, 274, 1}));
}

TEST_F(Handlers, HalfSecondCountOverflowKeepsTheRatesWritten) {
    clicks(1);
    counters.halvesecondes = 32767;
    display.setCaption(Field::Secondeover, "50");
    EXPECT_EQ(errorNumberOf([&] { ticks(1); }), 6);
    EXPECT_EQ(captions(display), "1 49 10 0 0 2 20 120 0 0 0");
    EXPECT_EQ(counters, (Counters{1, 1, 0, 32767}));
}

TEST_F(Handlers, AverageOverflowStopsAtTheMinuteFigure) {
    display.setCaption(Field::Totaalteller, "140000");
    display.setCaption(Field::Secondeover, "60");
    counters.halvesecondes = 1;
    EXPECT_EQ(errorNumberOf([&] { ticks(1); }), 6);
    EXPECT_EQ(captions(display), "140000 59 10 0 0 0 0 0 0 0 0");
}

}  // namespace
}  // namespace tempotik
