#include "replacement.h"

namespace orrindel {

namespace {

// One plate: the standard's when its time star is 5, else flown from the replacement star.
Stars replacePlate(const BuildingChart &chart, int mountain, const Stars &standard)
{
    const int s = chart.time[palaceOfMountain(mountain)];
    if (s == 5)
        return standard;
    const int found = mountainOf(palaceOfLoShu(s), int(dragonOf(mountain)) + 1);
    return flyStars(replacementStar(found), Mountains[found].polarity == Polarity::Yang);
}

} // namespace

int replacementStar(int mountain)
{
    // clang-format off
    static constexpr int stars[MountainCount] = {
        2, 1, 1,  7, 7, 9,  1, 2, 2,  6, 6, 6, // 壬子癸 丑艮寅 甲卯乙 辰巽巳
        7, 9, 9,  2, 2, 1,  9, 7, 7,  6, 6, 6, // 丙午丁 未坤申 庚酉辛 戌乾亥
    };
    // clang-format on
    return stars[mountain];
}

ReplacementChart replacementChart(const BuildingChart &chart, const MountainReading &mountains)
{
    ReplacementChart replacement;
    replacement.mountain = replacePlate(chart, mountains.sitting, chart.mountain);
    replacement.facing = replacePlate(chart, mountains.facing, chart.facing);
    replacement.formation = formationOf(chart.period, replacement.mountain, replacement.facing,
                                        chart.facingPalace, chart.sittingPalace);
    replacement.sameAsStandard =
        replacement.mountain == chart.mountain && replacement.facing == chart.facing;
    return replacement;
}

} // namespace orrindel
