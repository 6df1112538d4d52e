#include "mountains.h"

#include "chart.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orrindel {

namespace {

using enum Dragon;
constexpr Polarity Yang = Polarity::Yang;
constexpr Polarity Yin = Polarity::Yin;

// Palaces of the eight sectors clockwise from north.
constexpr int SectorPalaces[8] = {North, NorthEast, East, SouthEast,
                                  South, SouthWest, West, NorthWest};

// The bearing as the decimal the float stands for (187.3, not 187.30000305), so that offsets
// and the 4.5-degree threshold read as the user wrote them.
double decimalOf(float value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double decimal = value;
    std::from_chars(text, written.ptr, decimal);
    return decimal;
}

} // namespace

// clang-format off
const std::array<Mountain, MountainCount> Mountains = {{
    {"壬", "Ren",   "N1",  345, 1, Earth, Yang}, {"子", "Zi",   "N2",    0, 1, Heaven, Yin},
    {"癸", "Gui",   "N3",   15, 1, Man,   Yin},  {"丑", "Chou", "NE1",  30, 8, Earth,  Yin},
    {"艮", "Gen",   "NE2",  45, 8, Heaven, Yang}, {"寅", "Yin",  "NE3",  60, 8, Man,   Yang},
    {"甲", "Jia",   "E1",   75, 3, Earth, Yang}, {"卯", "Mao",  "E2",   90, 3, Heaven, Yin},
    {"乙", "Yi",    "E3",  105, 3, Man,   Yin},  {"辰", "Chen", "SE1", 120, 4, Earth,  Yin},
    {"巽", "Xun",   "SE2", 135, 4, Heaven, Yang}, {"巳", "Si",   "SE3", 150, 4, Man,   Yang},
    {"丙", "Bing",  "S1",  165, 9, Earth, Yang}, {"午", "Wu",   "S2",  180, 9, Heaven, Yin},
    {"丁", "Ding",  "S3",  195, 9, Man,   Yin},  {"未", "Wei",  "SW1", 210, 2, Earth,  Yin},
    {"坤", "Kun",   "SW2", 225, 2, Heaven, Yang}, {"申", "Shen", "SW3", 240, 2, Man,   Yang},
    {"庚", "Geng",  "W1",  255, 7, Earth, Yang}, {"酉", "You",  "W2",  270, 7, Heaven, Yin},
    {"辛", "Xin",   "W3",  285, 7, Man,   Yin},  {"戌", "Xu",   "NW1", 300, 6, Earth,  Yin},
    {"乾", "Qian",  "NW2", 315, 6, Heaven, Yang}, {"亥", "Hai",  "NW3", 330, 6, Man,   Yang},
}};
// clang-format on

int mountainOf(int palace, int third)
{
    for (int sector = 0; sector < 8; ++sector)
        if (SectorPalaces[sector] == palace)
            return sector * 3 + third - 1;
    return -1;
}

int palaceOfMountain(int mountain)
{
    return SectorPalaces[mountain / 3];
}

MountainReading readMountains(const Calc &calc)
{
    MountainReading reading;
    reading.facing = mountainOf(calc.CompassHeading(0), int(calc.CompassSubDirection()));
    reading.sitting = oppositeMountain(reading.facing);
    double offset = decimalOf(calc.Degrees()) - Mountains[reading.facing].centre;
    offset = std::remainder(offset, 360.0);
    // Rounded to 1e-7 so that the subtraction leaves no binary tail; clamped because a hair
    // past a boundary still reads as the mountain the chart uses.
    offset = std::round(offset * 1e7) / 1e7;
    reading.offset = std::clamp(offset, -MountainHalfWidth, MountainHalfWidth);
    return reading;
}

LeanReading readLean(const MountainReading &mountains, double tolerance)
{
    LeanReading reading;
    const double distance = std::abs(mountains.offset);
    if (distance > StandardLimit) {
        reading.lean = Lean::Leaning;
        const int step = mountains.offset > 0 ? 1 : MountainCount - 1;
        reading.facingToward = (mountains.facing + step) % MountainCount;
        reading.sittingToward = (mountains.sitting + step) % MountainCount;
    }
    if (MountainHalfWidth - distance <= tolerance) {
        // The nearer boundary is a sector's edge when the mountain is the sector's first and
        // the bearing lies before its centre, or its last and after; at the centre (a
        // tolerance of 7.5) both sides are near and the sector's edge counts.
        const int third = mountains.facing % 3;
        const bool major =
            (third == 0 && mountains.offset <= 0) || (third == 2 && mountains.offset >= 0);
        reading.voidLine = major ? VoidLine::Major : VoidLine::Minor;
    }
    return reading;
}

} // namespace orrindel
