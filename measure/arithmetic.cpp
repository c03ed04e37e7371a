// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "arithmetic.h"

#include <cmath>
#include <limits>

#include "run_time_error.h"

namespace tempotik {
namespace {

Counter toCounter(int wide) {
    if (wide < std::numeric_limits<Counter>::min() || wide > std::numeric_limits<Counter>::max()) {
        throw RunTimeError::overflow();
    }
    return static_cast<Counter>(wide);
}

double finite(double result) {
    if (!std::isfinite(result)) {
        throw RunTimeError::overflow();
    }
    return result;
}

}  // namespace

Counter checkedAdd(Counter a, Counter b) {
    return toCounter(int{a} + int{b});
}

Counter checkedMultiply(Counter a, Counter b) {
    return toCounter(int{a} * int{b});
}

double checkedSum(double a, double b) {
    return finite(a + b);
}

double checkedQuotient(double a, double b) {
    if (b == 0.0) {
        throw RunTimeError::divisionByZero();
    }
    return finite(a / b);
}

double checkedProduct(double a, double b) {
    return finite(a * b);
}

}  // namespace tempotik
