#include <kelpie/model/Actions.h>

#include "model/SizeCheck.h"

namespace kelpie {

std::int16_t Actions::Size() const {
    return CheckedRecordSize(basStructures::ActionListHeadSize +
                                 static_cast<std::int64_t>(basStructures::EntrySize) * Count(),
                             "Action list");
}

} // namespace kelpie
