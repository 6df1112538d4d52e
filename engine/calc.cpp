#include "calc.h"

#include "runtimeerror.h"

#include <cmath>

namespace orrindel {

namespace {

// Every step of the sector arithmetic is rounded to 32 bits; the boundary behaviour of
// the thirds depends on it, so the casts are deliberate.
float checked(float value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return value;
}

std::int16_t checkedSubtract(std::int16_t a, std::int16_t b)
{
    const int result = a - b;
    if (result < INT16_MIN || result > INT16_MAX)
        throw RuntimeError::overflow();
    return static_cast<std::int16_t>(result);
}

} // namespace

float Calc::CompassSector(float Angle, float Offset)
{
    float c = checked(static_cast<float>(Angle + Offset));
    if (c < 0.0f)
        c = checked(static_cast<float>(c + 360.0f));
    if (c > 360.0f)
        c = checked(static_cast<float>(c - 360.0f));
    return checked(static_cast<float>(c / 45.0f));
}

std::int16_t Calc::Period() const
{
    std::int16_t r = checkedSubtract(m_year, 64);
    r = static_cast<std::int16_t>(r % 180);
    return static_cast<std::int16_t>(std::floor(r / 20.0 + 1.0));
}

float Calc::CompassSubDirection() const
{
    const double y = CompassSector(m_degrees, -22.5f);
    return static_cast<float>(std::floor((y - std::floor(y)) * 3.0 + 1.0));
}

std::int16_t Calc::CompassHeading(std::int32_t FacingOrSitting) const
{
    static constexpr char facing[] = "37846215";
    static constexpr char sitting[] = "62153784";
    const char *table = nullptr;
    if (FacingOrSitting == 0)
        table = facing;
    else if (FacingOrSitting == 1)
        table = sitting;
    else
        return 0;

    double sector = std::floor(CompassSector(m_degrees, -22.5f));
    // A bearing a hair below 22.5 rounds up to exactly 360, sector 8, and its third is then
    // the first: it reads as 22.5 itself, so the heading must too, not as north.
    if (sector == 8.0)
        sector = 0.0;
    if (sector < 0.0)
        throw RuntimeError::invalidProcedureCall();
    if (sector > 7.0)
        throw RuntimeError::typeMismatch();
    return static_cast<std::int16_t>(table[static_cast<int>(sector)] - '0');
}

std::string Calc::StarDirection(std::int16_t QueryStar, std::int16_t TimeStar) const
{
    if (QueryStar == 5)
        QueryStar = TimeStar;

    float angle = 0.0f;
    switch (QueryStar) {
    case 1:
        angle = 337.5f;
        break;
    case 2:
        angle = 202.5f;
        break;
    case 3:
        angle = 67.5f;
        break;
    case 4:
        angle = 112.5f;
        break;
    case 6:
        angle = 292.5f;
        break;
    case 7:
        angle = 247.5f;
        break;
    case 8:
        angle = 22.5f;
        break;
    case 9:
        angle = 157.5f;
        break;
    default:
        break;
    }

    const float third = CompassSubDirection();
    if (third == 2.0f)
        angle = checked(static_cast<float>(angle + 15.0f));
    else if (third == 3.0f)
        angle = checked(static_cast<float>(angle + 30.0f));

    const double v = std::floor(CompassSector(angle, 7.5f));
    return std::floor(v / 2.0) * 2.0 == v ? "Reverse" : "Forward";
}

} // namespace orrindel
