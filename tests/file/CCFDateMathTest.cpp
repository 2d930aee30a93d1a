// Calendar normalisation of the header's date fields.
#include "file/CCFDateMath.h"

#include <gtest/gtest.h>

using namespace kelpie;

namespace {

struct DateCase {
    const char* what;
    std::int64_t year, month, day, hour, minute, second;
    CCFDate expected;
};

TEST(CCFDateMath, OutOfRangeFieldsCarryOverAsACalendarDoes) {
    const DateCase cases[] = {
        {"an ordinary date", 2001, 12, 31, 23, 59, 58, {2001, 12, 31, 23, 59, 58}},
        {"month 13 is January of the next year", 2001, 13, 5, 0, 0, 0, {2002, 1, 5, 0, 0, 0}},
        {"month 0 is December of the year before", 2001, 0, 5, 0, 0, 0, {2000, 12, 5, 0, 0, 0}},
        {"day 0 is the last day of the month before", 2001, 3, 0, 0, 0, 0, {2001, 2, 28, 0, 0, 0}},
        {"day 0 of March in a leap year", 2000, 3, 0, 0, 0, 0, {2000, 2, 29, 0, 0, 0}},
        {"1900 was no leap year", 1900, 2, 29, 0, 0, 0, {1900, 3, 1, 0, 0, 0}},
        {"2004 was one", 2004, 2, 29, 0, 0, 0, {2004, 2, 29, 0, 0, 0}},
        {"day 32 runs into the next month", 2003, 1, 32, 0, 0, 0, {2003, 2, 1, 0, 0, 0}},
        {"60 seconds are the next minute, across the year",
         2001,
         12,
         31,
         23,
         59,
         60,
         {2002, 1, 1, 0, 0, 0}},
        {"hour 24 is the next day", 2001, 2, 28, 24, 0, 0, {2001, 3, 1, 0, 0, 0}},
        {"month 13, day 0", 2001, 13, 0, 0, 0, 0, {2001, 12, 31, 0, 0, 0}},
        {"all fields 0", 0, 0, 0, 0, 0, 0, {-1, 11, 30, 0, 0, 0}},
        {"the largest byte values", 2000, 255, 255, 255, 255, 255, {2021, 11, 20, 19, 19, 15}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormaliseDate(c.year, c.month, c.day, c.hour, c.minute, c.second), c.expected)
            << c.what;
}

} // namespace
