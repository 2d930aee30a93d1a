// Calendar arithmetic for the header's date fields: any year, month, day,
// hour, minute and second (out-of-range values included) to a normalised
// date, the way a calendar date constructor carries them over.
#pragma once

#include <kelpie/file/CCF.h>

namespace kelpie {

CCFDate NormaliseDate(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hour,
                      std::int64_t minute, std::int64_t second);

} // namespace kelpie
