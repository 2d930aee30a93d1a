#include <kelpie/model/IRCode.h>

#include "model/SizeCheck.h"

namespace kelpie {

IRCode::IRCode() = default;
IRCode::~IRCode() = default;

std::int16_t IRCode::Size() const {
    return CheckedRecordSize(
        static_cast<std::int64_t>(data_.size()) + basStructures::IRCodeHeadSize, "IR code");
}

std::int16_t IRCode::IRCodeSize() const {
    return CheckedRecordSize(static_cast<std::int64_t>(data_.size()), "IR code data");
}

} // namespace kelpie
