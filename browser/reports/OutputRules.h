// Which outputs a walker line belongs to. Text lines are written in the
// display pane (mode omDisplay) and in report files (omReportFile) for the
// report kinds that carry them; the other modes write no text.
#pragma once

#include "model/BrowserTypes.h"

#include <cstdint>
#include <initializer_list>

namespace vantor {

// True in the display pane, and in a report file of one of `kinds`.
inline bool WritesLine(std::int32_t outputMode, std::int32_t reportKind,
                       std::initializer_list<ReportKinds> kinds) {
    if (outputMode == omDisplay) return true;
    if (outputMode != omReportFile) return false;
    for (ReportKinds kind : kinds)
        if (kind == reportKind) return true;
    return false;
}

} // namespace vantor
