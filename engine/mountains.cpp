#include "mountains.h"

#include "chart.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orrindel {

namespace {

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

std::string mountainCode(int mountain)
{
    return PalaceCodes[palaceOfMountain(mountain)] + std::to_string(mountain % 3 + 1);
}

int mountainOf(int palace, int third)
{
    for (int sector = 0; sector < 8; ++sector)
        if (CompassPalaces[sector] == palace)
            return sector * 3 + third - 1;
    return -1;
}

int palaceOfMountain(int mountain)
{
    return CompassPalaces[mountain / 3];
}

MountainReading readMountains(const Calc &calc)
{
    MountainReading reading;
    reading.facing = mountainOf(calc.CompassHeading(0), int(calc.CompassSubDirection()));
    reading.sitting = oppositeMountain(reading.facing);
    double offset = decimalOf(calc.Degrees()) - mountainCentre(reading.facing);
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
