// One action as JSON: its record, and the records it refers to by position
// (null when the loader found nothing there).
#pragma once

#include "exports/JsonWriter.h"

#include <kelpie/model/Action.h>

#include <cstdint>
#include <optional>

namespace vantor {

// A link to another record: its position, or none (written as null).
template <class T> std::optional<std::int32_t> PositionOf(const T* object) {
    return object ? std::optional<std::int32_t>(object->Position()) : std::nullopt;
}

// Writes the action as the next value of `json`.
void WriteActionJson(JsonWriter& json, const kelpie::Action& action);

} // namespace vantor
