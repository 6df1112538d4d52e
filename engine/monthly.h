#pragma once

#include "chart.h"

#include <chrono>

namespace orrindel {

// The solar month that begins at the 節 falling in a calendar month, and ends at the next.
struct SolarMonth
{
    int starYear = 0;        // the year, but January belongs to the one before
    const char *term = "";   // its 節, UTF-8: 小寒 for January ... 大雪 for December
    const char *branch = ""; // its earthly branch: 丑 for January ... 子 for December
    std::chrono::sys_seconds start;
    std::chrono::sys_seconds end;
};

SolarMonth solarMonth(int year, int month);

// The branch (子 = 0) of the solar month that begins in a calendar month: 丑 for January.
constexpr int monthBranch(int month)
{
    return month % 12;
}

// The monthly stars of a calendar month (1..12): the centre star of 寅月 is 8, 5 or 2 by the
// star year's branch, one less each month after; the stars fly forward as the annual stars.
std::int16_t monthlyCentre(int year, int month);
Stars monthlyStars(int year, int month);

} // namespace orrindel
