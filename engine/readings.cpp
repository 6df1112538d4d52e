#include "readings.h"

#include "mountains.h"

#include <algorithm>

namespace orrindel {

namespace {

template <typename Rule> bool everyPalace(Rule rule)
{
    for (int i = 0; i < PalaceCount; ++i)
        if (!rule(i))
            return false;
    return true;
}

PlateSides sides(const Stars &mountain, const Stars &facing, auto holds)
{
    return {.mountain = everyPalace([&](int i) { return holds(mountain[i], i); }),
            .facing = everyPalace([&](int i) { return holds(facing[i], i); })};
}

// The three stars of a palace, distinct and sorted, or empty when two are the same.
std::optional<std::array<int, 3>> distinctStars(int a, int b, int c)
{
    std::array<int, 3> s{a, b, c};
    std::ranges::sort(s);
    if (s[0] == s[1] || s[1] == s[2])
        return std::nullopt;
    return s;
}

bool parentSet(int a, int b, int c)
{
    const auto s = distinctStars(a, b, c);
    return s && s->at(0) % 3 == s->at(1) % 3 && s->at(1) % 3 == s->at(2) % 3;
}

// Three consecutive on the cycle 1..9: {8, 9, 1} and {9, 1, 2} count.
bool pearlSet(int a, int b, int c)
{
    const auto s = distinctStars(a, b, c);
    if (!s)
        return false;
    const auto &[x, y, z] = *s;
    return (y == x + 1 && z == y + 1) || (x == 1 && y == 8 && z == 9) ||
           (x == 1 && y == 2 && z == 9);
}

std::optional<Robbery> robberyOf(const Stars &mountain, const Stars &facing, int period,
                                 int facingPalace, const PlateSides &fuYin)
{
    if (mountain[facingPalace] != period || facing[facingPalace] != period)
        return std::nullopt;
    Robbery robbery;
    switch (facingPalace) {
    case South:
    case East:
    case NorthWest:
        robbery.kind = RobberyKind::Li;
        break;
    case North:
    case SouthEast:
    case West:
        robbery.kind = RobberyKind::Kan;
        break;
    default:
        return std::nullopt;
    }
    robbery.usable = !fuYin.mountain && !fuYin.facing;
    return robbery;
}

CastleGate gateAt(int palace, int facingPalace, const Stars &time, int third)
{
    CastleGate gate;
    gate.palace = palace;
    gate.mountain = mountainOf(palace, third);
    // 河图 pairs 1-6, 2-7, 3-8 and 4-9 differ by five.
    const int difference = loShuOfPalace(palace) - loShuOfPalace(facingPalace);
    gate.main = difference == 5 || difference == -5;
    gate.periodStar = time[palace];
    if (gate.periodStar != 5) {
        const int sameDragon = mountainOf(palaceOfLoShu(gate.periodStar), third);
        gate.usable = Mountains[sameDragon].polarity == Polarity::Yin;
    }
    return gate;
}

} // namespace

ChartReadings readFormations(const Stars &time, const Stars &mountain, const Stars &facing,
                             int period, int facingPalace, int facingMountain)
{
    ChartReadings r;
    r.sumOfTen = sides(mountain, facing, [&](int star, int i) { return star + time[i] == 10; });
    r.fuYin = sides(mountain, facing, [](int star, int i) { return star == loShuOfPalace(i); });
    r.fanYin =
        sides(mountain, facing, [](int star, int i) { return star == 10 - loShuOfPalace(i); });
    if (everyPalace([&](int i) { return parentSet(time[i], mountain[i], facing[i]); }))
        r.string = StringKind::Parent;
    else if (everyPalace([&](int i) { return pearlSet(time[i], mountain[i], facing[i]); }))
        r.string = StringKind::Pearl;
    r.robbery = robberyOf(mountain, facing, period, facingPalace, r.fuYin);

    // The facing palace's two neighbours round the compass.
    const int at = int(std::ranges::find(CompassPalaces, facingPalace) - CompassPalaces.begin());
    if (at == 8)
        return r; // the centre faces nowhere
    const int third = facingMountain % 3 + 1;
    CastleGate before = gateAt(CompassPalaces[(at + 7) % 8], facingPalace, time, third);
    CastleGate after = gateAt(CompassPalaces[(at + 1) % 8], facingPalace, time, third);
    if (!before.main)
        std::swap(before, after);
    r.castleGates = {before, after};
    return r;
}

} // namespace orrindel
