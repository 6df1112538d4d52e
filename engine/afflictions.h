#pragma once

#include "chart.h"
#include "mountains.h"

#include <array>

namespace orrindel {

// The twelve earthly branches from 子 (0) to 亥 (11), UTF-8: every other mountain from 子, so
// the names have one home.
inline constexpr std::array<const char *, 12> Branches = [] {
    std::array<const char *, 12> names{};
    for (int branch = 0; branch < 12; ++branch)
        names[branch] = Mountains[2 * branch + 1].name;
    return names;
}();
// The mountain (index in Mountains) of a branch, and the branch of a star year: (year - 4) mod 12.
int mountainOfBranch(int branch);
int branchOfYear(int starYear);

// The year's afflictions: mountains are indices in Mountains, palaces palace indices.
struct YearAfflictions
{
    int branch = 0;
    int grandDuke = 0;   // 太岁
    int yearBreaker = 0; // 岁破
    std::array<int, 3> threeKillings{};
    int fiveYellow = 0; // palace of 5 in the annual stars
    int twoBlack = 0;   // palace of 2
};
// The month's, from its solar month's branch and monthly stars.
struct MonthAfflictions
{
    int branch = 0;
    int monthBreaker = 0;
    std::array<int, 3> threeKillings{};
    int fiveYellow = 0;
    int twoBlack = 0;
};

YearAfflictions yearAfflictions(int starYear, const Stars &annual);
MonthAfflictions monthAfflictions(int branch, const Stars &monthly);

} // namespace orrindel
