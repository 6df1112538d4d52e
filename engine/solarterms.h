#pragma once

#include <array>
#include <chrono>

namespace orrindel {

// Solar terms from the IAU's ERFA routines (VSOP2000-based Earth ephemeris, milliarcsecond
// accuracy 1900-2100, IAU 2006/2000A precession-nutation): the Sun moves a degree a day, so
// the low-accuracy solar theory (0.01 degree, a quarter of an hour) would miss the minute the
// almanacs publish. Instants are UTC; the accuracy falls off outside 1900-2100, where the
// ephemeris degrades and TT - UT is only extrapolated.

// TT - UT in seconds by the polynomials of Espenak and Meeus, at a decimal year.
double deltaTEstimate(double year);
// TT - UTC in seconds at a UTC date: 32.184 s plus the leap seconds from 1972 for as long as
// the leap-second table is known to hold, the estimate before and after.
double ttMinusUtc(int year, int month, int day);

// The Sun's apparent geocentric ecliptic longitude, true equinox and ecliptic of date, in
// degrees [0, 360), at a Julian date in TT.
double apparentSolarLongitude(double julianDateTT);

// The instant at which that longitude reaches the given degrees, the one nearest a UTC day.
std::chrono::sys_seconds solarLongitudeInstant(double longitude, std::chrono::sys_days near);

// The sectional term (節) that falls in a calendar month (1..12) of a year: 小寒 (285 degrees)
// in January, 立春 (315) in February, ... 大雪 (255) in December.
std::chrono::sys_seconds sectionalTerm(int year, int month);
// Their names, UTF-8, January's first.
inline constexpr std::array<const char *, 12> SectionalTermNames = {
    "小寒", "立春", "驚蟄", "清明", "立夏", "芒種", "小暑", "立秋", "白露", "寒露", "立冬", "大雪"};

} // namespace orrindel
