// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "display_fields.h"

namespace tempotik {

DisplayFields::DisplayFields() {
    for (Field field : allFields) {
        captions_[static_cast<int>(field)] = startText(field);
    }
}

std::string DisplayFields::caption(Field field) const {
    return captions_[static_cast<int>(field)];
}

void DisplayFields::setCaption(Field field, const std::string& text) {
    captions_[static_cast<int>(field)] = text;
}

void DisplayFields::setTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
}

}  // namespace tempotik
