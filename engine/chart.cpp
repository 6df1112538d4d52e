#include "chart.h"

#include "runtimeerror.h"

namespace orrindel {

namespace {

std::int16_t checked16(int value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw RuntimeError::overflow();
    return static_cast<std::int16_t>(value);
}

StarDirection directionOf(const Calc &calc, std::int16_t star, std::int16_t timeStar)
{
    return calc.StarDirection(star, timeStar) == "Forward" ? StarDirection::Forward
                                                           : StarDirection::Reverse;
}

// Lays a sequence out from the centre, forward (n, n+1, ...) or in reverse (n, n-1, ...).
Stars layOut(std::int16_t centre, bool forward)
{
    Stars stars{};
    for (int i = 0; i < PalaceCount; ++i)
        stars[i] = wrapBoth(checked16(forward ? centre + i : centre - i));
    return stars;
}

} // namespace

std::int16_t wrapHigh(int value)
{
    const std::int16_t x = checked16(value);
    return x > 9 ? checked16(x - 9) : x;
}

std::int16_t wrapBoth(int value)
{
    std::int16_t x = wrapHigh(value);
    if (x < 1)
        x = checked16(x + 9);
    return x;
}

BuildingChart buildChart(const Calc &calc)
{
    BuildingChart chart;
    chart.period = calc.Period();
    for (int i = 0; i < PalaceCount; ++i)
        chart.time[i] = wrapHigh(chart.period + i);

    chart.facingPalace = calc.CompassHeading(0);
    const std::int16_t facingStar = chart.time[chart.facingPalace];
    chart.facingDirection = directionOf(calc, facingStar, chart.time[0]);
    chart.facing = layOut(facingStar, chart.facingDirection == StarDirection::Forward);

    chart.sittingPalace = calc.CompassHeading(1);
    const std::int16_t sittingStar = chart.time[chart.sittingPalace];
    for (int v = 0; v < PalaceCount; ++v) {
        if (chart.time[v] == sittingStar) {
            chart.greyPalace = v;
            break;
        }
    }
    chart.mountainDirection = directionOf(calc, sittingStar, chart.time[0]);
    chart.mountain = layOut(sittingStar, chart.mountainDirection == StarDirection::Forward);
    return chart;
}

Stars flyStars(int centre, bool forward)
{
    Stars stars{};
    for (int i = 0; i < PalaceCount; ++i)
        stars[i] = std::int16_t(((centre - 1 + (forward ? i : 9 - i)) % 9) + 1);
    return stars;
}

Stars annualStars(std::int16_t year, std::int16_t month)
{
    const std::int16_t y = checked16(starYearOf(year, month));
    std::int16_t c = checked16(11 - y % 9);
    if (c > 9)
        c = checked16(c - 9);
    Stars stars{};
    for (int i = 0; i < PalaceCount; ++i)
        stars[i] = wrapHigh(c + i);
    return stars;
}

} // namespace orrindel
