// One action as JSON: its record, and the records it refers to by position
// (null when the loader found nothing there).
#pragma once

#include "model/Action.h"

#include <nlohmann/json.hpp>

namespace vantor {

// A link to another record: its position, or null when there is none.
template <class T> nlohmann::ordered_json PositionOf(const T* object) {
    return object ? nlohmann::ordered_json(object->Position()) : nlohmann::ordered_json();
}

nlohmann::ordered_json ActionJson(const kelpie::Action& action);

} // namespace vantor
