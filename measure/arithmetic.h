// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <cstdint>

namespace tempotik {

// The counters are signed 16-bit integers; every operation on them is checked.
using Counter = std::int16_t;

// Returns a + b; throws Overloop when the sum leaves -32768..32767.
Counter checkedAdd(Counter a, Counter b);

// Returns a × b; throws Overloop when the product leaves -32768..32767.
Counter checkedMultiply(Counter a, Counter b);

// Caption arithmetic is done in doubles. Each result is checked before it is
// used further: a division by 0 throws Deling door nul, and an invalid
// operation or an overflow (a result that is not a finite number) throws Overloop.

// Returns a + b, checked.
double checkedSum(double a, double b);

// Returns a ÷ b, checked.
double checkedQuotient(double a, double b);

// Returns a × b, checked.
double checkedProduct(double a, double b);

}  // namespace tempotik
