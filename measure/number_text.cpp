// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "run_time_error.h"

namespace tempotik {

double captionToDouble(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        throw RunTimeError::typeMismatch();
    }
    const std::string_view digits = text.substr(first, last - first + 1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    // from_chars also reads "inf" and "nan", which are no caption's numbers.
    if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) {
        throw RunTimeError::typeMismatch();
    }
    return value;
}

std::string doubleToCaption(double value) {
    if (value == 0.0) {
        return "0";  // also for -0.0, which has no sign on screen
    }
    char text[32];
    if (std::abs(value) < 1e15 && std::trunc(value) == value) {
        // The common case, on every tick: plain digits.
        const auto end = std::to_chars(text, text + sizeof text, static_cast<std::int64_t>(value));
        return {text, end.ptr};
    }
    // to_chars, unlike printf, ignores the locale: a Dutch desktop would
    // otherwise get "0,5", which captionToDouble cannot read back.
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
    std::string caption(text, end.ptr);
    if (const auto exponent = caption.find('e'); exponent != std::string::npos) {
        caption[exponent] = 'E';
    }
    return caption;
}

std::string counterToCaption(Counter value) {
    char text[8];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return {text, end.ptr};
}

Counter doubleToCounter(double value) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<Counter>::min() &&
          rounded <= std::numeric_limits<Counter>::max())) {
        throw RunTimeError::overflow();  // NaN fails both comparisons and lands here too
    }
    return static_cast<Counter>(rounded);
}

}  // namespace tempotik
