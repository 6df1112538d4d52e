#include "monthly.h"

#include "afflictions.h"
#include "solarterms.h"

namespace orrindel {

SolarMonth solarMonth(int year, int month)
{
    SolarMonth solar;
    solar.starYear = starYearOf(year, month);
    solar.term = SectionalTermNames[month - 1];
    solar.branch = Branches[monthBranch(month)];
    solar.start = sectionalTerm(year, month);
    solar.end = month == 12 ? sectionalTerm(year + 1, 1) : sectionalTerm(year, month + 1);
    return solar;
}

std::int16_t monthlyCentre(int year, int month)
{
    // The star year's branch from 子: 子午卯酉 start 寅月 at 8, 辰戌丑未 at 5, 寅申巳亥 at 2.
    const int branch = branchOfYear(starYearOf(year, month));
    const int first = 8 - 3 * (branch % 3);
    const int monthsAfter = modulo(month - 2, 12);
    return std::int16_t(modulo(first - 1 - monthsAfter, 9) + 1);
}

Stars monthlyStars(int year, int month)
{
    return flyStars(monthlyCentre(year, month), true);
}

} // namespace orrindel
