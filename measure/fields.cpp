// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "fields.h"

namespace tempotik {
namespace {

// Indexed by Field.
constexpr std::array<std::string_view, allFields.size()> startTexts{
    "0", "99", "10", "0", "0", "0", "0", "0", "0", "0", "0",
};

}  // namespace

std::string_view startText(Field field) {
    return startTexts[static_cast<int>(field)];
}

}  // namespace tempotik
