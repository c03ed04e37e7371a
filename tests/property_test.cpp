// Tempotik — a click-speed meter. Licensed under the MIT licence.
// Long random runs of clicks, ticks and resets against a model that counts
// clicks and ticks on its own. Whatever happens, every figure on screen must
// be what the model says, and the only failure is an overflow that the model
// saw coming, after which the next click starts afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <random>
#include <string>
#include <utility>

#include "captions.h"
#include "display_fields.h"
#include "measurement.h"

namespace tempotik {
namespace {

constexpr long largest = 32767;

// What the window must show, from clicks and ticks counted since the last
// reset. Ticks count from the first click, so the boundaries fall every 50.
struct Model {
    long total = 0;
    long ticks = 0;
    long halfSecondClicks = 0;
    long secondClicks = 0;
    long tenSecondClicks = 0;
    long halfSeconds = 0;
    long shownHalfSecond = 0;  // clicks of the last whole half second
    long shownSecond = 0;
    long shownTenSeconds = 0;
    long averages[3] = {};  // per minute, per ten seconds, per second
    bool timing = false;
    bool failed = false;  // an overflow ended the measurement

    // The reset leaves the averages as they are, until the next tick.
    void reset() {
        Model fresh;
        std::copy(std::begin(averages), std::end(averages), fresh.averages);
        *this = fresh;
    }

    // Returns false when the click must overflow a counter.
    bool click() {
        if (failed) {
            reset();
        }
        ++total;
        if (tenSecondClicks == largest) {  // the widest of the three click counters
            return false;
        }
        ++halfSecondClicks, ++secondClicks, ++tenSecondClicks;
        timing = true;
        return true;
    }

    // Returns false when the tick must overflow.
    bool tick() {
        ++ticks;
        if (ticks % 50 == 0) {
            if (halfSecondClicks * 120 > largest || halfSeconds == largest) {
                return false;
            }
            shownHalfSecond = std::exchange(halfSecondClicks, 0);
            ++halfSeconds;
        }
        if (ticks % 100 == 0) {
            shownSecond = std::exchange(secondClicks, 0);
        }
        if (ticks % 1000 == 0) {
            shownTenSeconds = std::exchange(tenSecondClicks, 0);
        }
        const double scales[3] = {120.0, 20.0, 2.0};
        for (int i = 0; i < 3; ++i) {
            const double average =
                halfSeconds == 0 ? 0.0 : std::nearbyint(double(total) / halfSeconds * scales[i]);
            if (average > largest) {
                return false;
            }
            averages[i] = long(average);
        }
        return true;
    }

    std::string captions() const {
        const long values[] = {total,
                               99 - ticks % 100,
                               10 - ticks / 100 % 10,
                               shownSecond,
                               shownTenSeconds,
                               shownHalfSecond * 2,
                               shownHalfSecond * 20,
                               shownHalfSecond * 120,
                               averages[2],
                               averages[1],
                               averages[0]};
        std::string line;
        for (long value : values) {
            line += (line.empty() ? "" : " ") + std::to_string(value);
        }
        return line;
    }

    Counters counters() const {
        return {Counter(tenSecondClicks), Counter(secondClicks), Counter(halfSecondClicks),
                Counter(halfSeconds)};
    }
};

class RandomRun : public testing::TestWithParam<unsigned> {
protected:
    // Runs one handler and checks its outcome against the model's.
    template <typename Operation>
    void expectOutcome(Operation operation, bool modelSucceeds) {
        const int error = errorNumberOf(operation);
        ASSERT_EQ(error, modelSucceeds ? 0 : 6) << "after " << steps << " steps";
        if (error != 0) {
            ++failures;
            model.failed = true;
            ASSERT_FALSE(display.timerEnabled());
            return;
        }
        ASSERT_EQ(captions(display), model.captions()) << "after " << steps << " steps";
        ASSERT_EQ(measurement.counters(), model.counters());
        ASSERT_EQ(display.timerEnabled(), model.timing);
    }

    void click() {
        ++steps;
        expectOutcome([&] { measurement.click(); }, model.click());
    }

    // A timer period ticks only while the timer is on, as in the window.
    void tick() {
        ++steps;
        if (display.timerEnabled()) {
            expectOutcome([&] { measurement.tick(); }, model.tick());
        }
    }

    void reset() {
        ++steps;
        model.reset();
        expectOutcome([&] { measurement.reset(); }, true);
    }

    // Mostly a person's handful of clicks, now and then an auto-clicker's
    // burst that overflows the rates, rarely enough to overflow a counter.
    int burstSize() {
        const int kind = std::uniform_int_distribution(0, 999)(random);
        if (kind < 900) {
            return std::uniform_int_distribution(1, 6)(random);
        }
        if (kind < 999) {
            return std::uniform_int_distribution(100, 400)(random);
        }
        return std::uniform_int_distribution(32000, 33000)(random);
    }

    std::mt19937 random{GetParam()};
    DisplayFields display;
    Measurement measurement{display};
    Model model;
    long steps = 0;
    int failures = 0;
};

TEST_P(RandomRun, EveryFigureFollowsTheClicksAndTicks) {
    for (int action = 0; action < 4000 && !HasFatalFailure(); ++action) {
        const int kind = std::uniform_int_distribution(0, 99)(random);
        if (kind < 45) {
            for (int i = burstSize(); i > 0 && !HasFatalFailure(); --i) {
                click();
            }
        } else if (kind < 98) {
            for (int i = std::uniform_int_distribution(1, 400)(random); i > 0; --i) {
                tick();
            }
        } else {
            reset();
        }
    }
    EXPECT_GT(failures, 0) << "the run never reached an overflow";
}

// Sparse clicks over four and a half hours: the count of half seconds is the
// first thing to overflow, at the 32,768th boundary.
TEST_P(RandomRun, HalfSecondCountOverflowsAfterFourAndAHalfHours) {
    click();
    bool failed = false;
    while (!failed && !HasFatalFailure()) {
        if (std::uniform_int_distribution(0, 199)(random) == 0) {
            click();
        }
        tick();
        failed = model.failed;
    }
    EXPECT_EQ(model.halfSeconds, largest);
    EXPECT_EQ(model.ticks, 1638400);
    click();
    EXPECT_TRUE(display.timerEnabled());
    EXPECT_EQ(model.total, 1);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRun, testing::Values(1u, 2u, 3u, 2026u));

}  // namespace
}  // namespace tempotik
