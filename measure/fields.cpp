// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "fields.h"

namespace tempotik {
namespace {

struct FieldInfo {
    std::string_view controlName;
    std::string_view startText;
};

// Indexed by Field.
constexpr std::array<FieldInfo, allFields.size()> fieldInfo{{
    {"Totaalteller", "0"},
    {"Secondeover", "99"},
    {"Tiensecondenover", "10"},
    {"Secondeteller", "0"},
    {"Tiensecondenteller", "0"},
    {"Persecondeteller", "0"},
    {"Pertiensecondenteller", "0"},
    {"Perminuutteller", "0"},
    {"Gemsecondeteller", "0"},
    {"Gemtiensecondenteller", "0"},
    {"Gemminuutteller", "0"},
}};

}  // namespace

std::string_view controlName(Field field) {
    return fieldInfo[static_cast<int>(field)].controlName;
}

std::string_view startText(Field field) {
    return fieldInfo[static_cast<int>(field)].startText;
}

}  // namespace tempotik
