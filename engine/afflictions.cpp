#include "afflictions.h"

#include "mountains.h"

#include <algorithm>

namespace orrindel {

namespace {

// 三煞 face the 帝旺 of the branch's triad: 申子辰 strike 巳午未, 巳酉丑 寅卯辰, 寅午戌 亥子丑,
// 亥卯未 申酉戌. The triad is the branch mod 4; this is the middle branch struck.
constexpr int KillingsMiddle[4] = {6, 3, 0, 9};

std::array<int, 3> threeKillingsOf(int branch)
{
    const int middle = KillingsMiddle[branch % 4];
    return {mountainOfBranch(modulo(middle - 1, 12)), mountainOfBranch(middle),
            mountainOfBranch((middle + 1) % 12)};
}

int palaceHolding(const Stars &stars, int star)
{
    return int(std::ranges::find(stars, star) - stars.begin());
}

} // namespace

int mountainOfBranch(int branch)
{
    // The branches are every other mountain, 子 the second.
    return (2 * modulo(branch, 12) + 1) % MountainCount;
}

int branchOfYear(int starYear)
{
    return modulo(starYear - 4, 12);
}

YearAfflictions yearAfflictions(int starYear, const Stars &annual)
{
    YearAfflictions a;
    a.branch = branchOfYear(starYear);
    a.grandDuke = mountainOfBranch(a.branch);
    a.yearBreaker = oppositeMountain(a.grandDuke);
    a.threeKillings = threeKillingsOf(a.branch);
    a.fiveYellow = palaceHolding(annual, 5);
    a.twoBlack = palaceHolding(annual, 2);
    return a;
}

MonthAfflictions monthAfflictions(int branch, const Stars &monthly)
{
    MonthAfflictions a;
    a.branch = modulo(branch, 12);
    a.monthBreaker = oppositeMountain(mountainOfBranch(a.branch));
    a.threeKillings = threeKillingsOf(a.branch);
    a.fiveYellow = palaceHolding(monthly, 5);
    a.twoBlack = palaceHolding(monthly, 2);
    return a;
}

} // namespace orrindel
