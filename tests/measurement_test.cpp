// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "measurement.h"

#include <gtest/gtest.h>

#include "captions.h"
#include "display_fields.h"

namespace tempotik {
namespace {

// A measurement whose next half-second boundary fails: the rates overflow.
class FailedMeasurement : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 274; ++i) {
            measurement.click();
        }
        for (int i = 0; i < 49; ++i) {
            measurement.tick();
        }
        error = errorNumberOf([&] { measurement.tick(); });
    }

    DisplayFields display;
    Measurement measurement{display};
    int error = 0;
};

TEST_F(FailedMeasurement, StopsTheTimerAndKeepsTheFigures) {
    EXPECT_EQ(error, 6);
    EXPECT_FALSE(display.timerEnabled());
    EXPECT_EQ(captions(display), "274 49 10 0 0 0 0 0 0 0 0");
    EXPECT_EQ(measurement.counters(), (Counters{274, 274, 274, 0}));
}

TEST_F(FailedMeasurement, NextClickStartsAFreshMeasurement) {
    measurement.click();
    EXPECT_EQ(captions(display), "1 99 10 0 0 0 0 0 0 0 0");
    EXPECT_EQ(measurement.counters(), (Counters{1, 1, 1, 0}));
    EXPECT_TRUE(display.timerEnabled());

    measurement.click();  // only the first click after the failure resets
    EXPECT_EQ(display.caption(Field::Totaalteller), "2");
}

TEST_F(FailedMeasurement, ResetAlsoEndsTheFailedState) {
    measurement.reset();
    display.setCaption(Field::Totaalteller, "41");
    measurement.click();
    EXPECT_EQ(display.caption(Field::Totaalteller), "42");
}

TEST(Measurement, FailedClickEndsTheMeasurementToo) {
    DisplayFields display;
    Measurement measurement{display};
    for (int i = 0; i < 32767; ++i) {
        measurement.click();
    }
    EXPECT_EQ(errorNumberOf([&] { measurement.click(); }), 6);
    EXPECT_FALSE(display.timerEnabled());
    measurement.click();
    EXPECT_EQ(measurement.counters(), (Counters{1, 1, 1, 0}));
}

}  // namespace
}  // namespace tempotik
