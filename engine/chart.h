#pragma once

#include "calc.h"

#include <array>
#include <cstdint>

namespace orrindel {

// Palaces are numbered along the Lo Shu path; every chart array uses this order.
inline constexpr int PalaceCount = 9;
using Stars = std::array<std::int16_t, PalaceCount>;

enum Palace : int {
    Centre = 0,
    NorthWest = 1,
    West = 2,
    NorthEast = 3,
    South = 4,
    North = 5,
    SouthWest = 6,
    East = 7,
    SouthEast = 8,
};

// Compass direction of each palace, by palace index.
inline constexpr std::array<const char *, PalaceCount> PalaceDirections = {
    "centre", "north-west", "west", "north-east", "south",
    "north",  "south-west", "east", "south-east",
};

// Compass code of each palace, by palace index: the prefix of the 24 mountains' codes and
// the captions around the grid.
inline constexpr std::array<const char *, PalaceCount> PalaceCodes = {
    "", "NW", "W", "NE", "S", "N", "SW", "E", "SE",
};

// The Lo Shu number of each palace (1 north ... 9 south, 5 the centre) and back.
constexpr int loShuOfPalace(int palace)
{
    return (palace + 4) % 9 + 1;
}
constexpr int palaceOfLoShu(int loShu)
{
    return (loShu + 4) % 9;
}

// The eight outer palaces clockwise round the compass from north.
inline constexpr std::array<int, 8> CompassPalaces = {North, NorthEast, East, SouthEast,
                                                      South, SouthWest, West, NorthWest};

// The remainder of a division, never negative: counting round a cycle backwards.
constexpr int modulo(long long value, int divisor)
{
    return int((value % divisor + divisor) % divisor);
}

// Palace index shown in row r, column c of the 3 x 3 grid (south at the top, east left).
inline constexpr std::array<std::array<int, 3>, 3> GridPalaces = {{
    {SouthEast, South, SouthWest},
    {East, Centre, West},
    {NorthEast, North, NorthWest},
}};

// Bring-back rules: wrap-high for values that only grow, wrap-both for facing and
// mountain stars. Both check 16-bit overflow as the runtime does.
std::int16_t wrapHigh(int value);
std::int16_t wrapBoth(int value);

// The way a plate's stars fly from the centre: n, n+1, ... or n, n-1, ...
enum class StarDirection { Forward, Reverse };

// The building chart computed from a Calc, in the steps and call order the window relies on.
struct BuildingChart
{
    std::int16_t period = 0;
    Stars time{};
    Stars facing{};
    Stars mountain{};
    int facingPalace = 0;
    int sittingPalace = 0;
    int greyPalace = -1; // the palace whose time star is the sitting star
    StarDirection facingDirection = StarDirection::Forward;   // of the facing star
    StarDirection mountainDirection = StarDirection::Forward; // of the sitting star
};

BuildingChart buildChart(const Calc &calc);

// Nine stars flown along the Lo Shu path from the centre star (1..9), forward (n, n+1, ...)
// or in reverse (n, n-1, ...), wrapping within 1..9.
Stars flyStars(int centre, bool forward);

// The year whose annual stars a calendar month shows: January belongs to the one before.
constexpr int starYearOf(int year, int month)
{
    return month == 1 ? year - 1 : year;
}

// Nine annual stars from the picker's year and month (1..12), of its star year.
Stars annualStars(std::int16_t year, std::int16_t month);

} // namespace orrindel
