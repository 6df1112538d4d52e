#include "replacement.h"

namespace orrindel {

namespace {

// Lays the nine stars out along the Lo Shu path from the centre.
Stars fly(int centre, bool forward)
{
    Stars stars{};
    for (int i = 0; i < PalaceCount; ++i)
        stars[i] = std::int16_t(((centre - 1 + (forward ? i : 9 - i)) % 9) + 1);
    return stars;
}

struct Plate
{
    Stars stars;
    bool forward;
};

Plate replacePlate(const BuildingChart &chart, int mountain, const Stars &standard,
                   bool standardForward)
{
    const int s = chart.time[palaceOfMountain(mountain)];
    if (s == 5)
        return {standard, standardForward};
    const int palace = palaceOfLoShu(s);
    const int found = mountainOf(palace, int(Mountains[mountain].dragon) + 1);
    return {fly(replacementStar(found), Mountains[found].polarity == Polarity::Yang),
            Mountains[found].polarity == Polarity::Yang};
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
    const Plate m = replacePlate(chart, mountains.sitting, chart.mountain,
                                 chart.mountainDirection == "Forward");
    const Plate f =
        replacePlate(chart, mountains.facing, chart.facing, chart.facingDirection == "Forward");
    replacement.mountain = m.stars;
    replacement.mountainForward = m.forward;
    replacement.facing = f.stars;
    replacement.facingForward = f.forward;
    replacement.formation =
        formationOf(chart.period, m.stars, f.stars, chart.facingPalace, chart.sittingPalace);
    replacement.sameAsStandard = m.stars == chart.mountain && f.stars == chart.facing;
    return replacement;
}

} // namespace orrindel
