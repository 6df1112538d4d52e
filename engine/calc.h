#pragma once

#include <cstdint>
#include <string>

namespace orrindel {

// The house reading: from a year of construction and a facing bearing, the period, the
// compass sector and third, the facing and sitting palaces and the direction of a star.
// Holds the two inputs only; every answer is computed on demand.
class Calc
{
public:
    std::int16_t Year() const { return m_year; }
    void setYear(std::int16_t vData) { m_year = vData; }

    float Degrees() const { return m_degrees; }
    void setDegrees(float vData) { m_degrees = vData; }

    // Construction period 1..9; raises overflow for a year below -32704.
    std::int16_t Period() const;
    // 1, 2 or 3: the 15-degree third of the 45-degree sector holding Degrees.
    float CompassSubDirection() const;
    // Palace index of the facing (0) or sitting (1) direction; 0 for any other argument.
    std::int16_t CompassHeading(std::int32_t FacingOrSitting) const;
    // "Forward" or "Reverse"; TimeStar stands in for a QueryStar of 5.
    std::string StarDirection(std::int16_t QueryStar, std::int16_t TimeStar) const;

private:
    static float CompassSector(float Angle, float Offset);

    std::int16_t m_year = 0;
    float m_degrees = 0.0f;
};

} // namespace orrindel
