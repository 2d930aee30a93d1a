#include "file/CCFDateMath.h"

namespace kelpie {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1 to 12).
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, std::int64_t& m, std::int64_t& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp + (mp < 10 ? 3 : -9);
    y = yoe + era * 400 + (m <= 2);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

CCFDate NormaliseDate(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hour,
                      std::int64_t minute, std::int64_t second) {
    // Month 13 is January of the next year, month 0 December of the year before.
    const std::int64_t monthIndex = month - 1;
    year += FloorDiv(monthIndex, 12);
    month = monthIndex - FloorDiv(monthIndex, 12) * 12 + 1;
    // Day 0 is the last day of the previous month: count from the 1st.
    std::int64_t days = DaysFromCivil(year, month, 1) + (day - 1);
    std::int64_t seconds = hour * 3600 + minute * 60 + second;
    days += FloorDiv(seconds, 86400);
    seconds -= FloorDiv(seconds, 86400) * 86400;

    std::int64_t y = 0, m = 0, d = 0;
    CivilFromDays(days, y, m, d);
    return {static_cast<std::int32_t>(y),
            static_cast<std::int32_t>(m),
            static_cast<std::int32_t>(d),
            static_cast<std::int32_t>(seconds / 3600),
            static_cast<std::int32_t>(seconds / 60 % 60),
            static_cast<std::int32_t>(seconds % 60)};
}

} // namespace kelpie
