// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "handlers.h"

#include "number_text.h"

namespace tempotik {
namespace {

double value(const Display& display, Field field) {
    return captionToDouble(display.caption(field));
}

bool valueIs(const Display& display, Field field, double expected) {
    return value(display, field) == expected;
}

void addToCaption(Display& display, Field field, double amount) {
    display.setCaption(field, doubleToCaption(checkedSum(value(display, field), amount)));
}

void showCounter(Display& display, Field field, Counter counter) {
    display.setCaption(field, counterToCaption(counter));
}

// The average reads the total afresh, so clicks since the last half-second
// boundary raise it at once.
void showAverage(Display& display, Field field, const Counters& counters, double scale) {
    const double perHalfSecond = checkedQuotient(value(display, Field::Totaalteller),
                                                 static_cast<double>(counters.halvesecondes));
    showCounter(display, field, doubleToCounter(checkedProduct(perHalfSecond, scale)));
}

void halfSecondBoundary(Display& display, Counters& counters) {
    showCounter(display, Field::Perminuutteller,
                checkedMultiply(counters.halvesecondeklikken, 120));
    showCounter(display, Field::Pertiensecondenteller,
                checkedMultiply(counters.halvesecondeklikken, 20));
    showCounter(display, Field::Persecondeteller, checkedMultiply(counters.halvesecondeklikken, 2));
    counters.halvesecondeklikken = 0;
    counters.halvesecondes = checkedAdd(counters.halvesecondes, 1);
}

void tenSecondBoundary(Display& display, Counters& counters) {
    showCounter(display, Field::Tiensecondenover, 10);
    showCounter(display, Field::Tiensecondenteller, counters.tiensecondenklikken);
    counters.tiensecondenklikken = 0;
}

void secondBoundary(Display& display, Counters& counters) {
    showCounter(display, Field::Secondeover, 99);
    showCounter(display, Field::Secondeteller, counters.secondeklikken);
    counters.secondeklikken = 0;
    addToCaption(display, Field::Tiensecondenover, -1.0);
    if (valueIs(display, Field::Tiensecondenover, 0.0)) {
        tenSecondBoundary(display, counters);
    }
}

}  // namespace

void countClick(Display& display, Counters& counters) {
    addToCaption(display, Field::Totaalteller, 1.0);
    counters.tiensecondenklikken = checkedAdd(counters.tiensecondenklikken, 1);
    counters.secondeklikken = checkedAdd(counters.secondeklikken, 1);
    counters.halvesecondeklikken = checkedAdd(counters.halvesecondeklikken, 1);
    display.setTimerEnabled(true);
}

void reset(Display& display, Counters& counters) {
    display.setTimerEnabled(false);
    showCounter(display, Field::Totaalteller, 0);
    counters.secondeklikken = 0;
    showCounter(display, Field::Secondeover, 99);
    showCounter(display, Field::Secondeteller, 0);
    showCounter(display, Field::Persecondeteller, 0);
    counters.tiensecondenklikken = 0;
    showCounter(display, Field::Tiensecondenover, 10);
    showCounter(display, Field::Tiensecondenteller, 0);
    showCounter(display, Field::Pertiensecondenteller, 0);
    showCounter(display, Field::Perminuutteller, 0);
    counters.halvesecondeklikken = 0;
    counters.halvesecondes = 0;
}

void tick(Display& display, Counters& counters) {
    addToCaption(display, Field::Secondeover, -1.0);
    // 49 ticks left is the middle of the second, -1 its end: both are half-second boundaries.
    if (valueIs(display, Field::Secondeover, 49.0) || valueIs(display, Field::Secondeover, -1.0)) {
        halfSecondBoundary(display, counters);
    }
    if (valueIs(display, Field::Secondeover, -1.0)) {
        secondBoundary(display, counters);
    }
    if (counters.halvesecondes > 0) {
        showAverage(display, Field::Gemminuutteller, counters, 120.0);
        showAverage(display, Field::Gemtiensecondenteller, counters, 20.0);
        showAverage(display, Field::Gemsecondeteller, counters, 2.0);
    }
    if (counters.halvesecondes == 0) {
        showCounter(display, Field::Gemminuutteller, 0);
        showCounter(display, Field::Gemtiensecondenteller, 0);
        showCounter(display, Field::Gemsecondeteller, 0);
    }
}

}  // namespace tempotik
