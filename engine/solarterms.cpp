#include "solarterms.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace orrindel {

namespace {

constexpr double UnixEpochJD = 2440587.5;
constexpr double SecondsPerDay = 86400.0;

double polynomial(double t, std::initializer_list<double> coefficients)
{
    double sum = 0.0;
    double power = 1.0;
    for (const double c : coefficients) {
        sum += c * power;
        power *= t;
    }
    return sum;
}

double julianDate(std::chrono::sys_days day)
{
    return UnixEpochJD + double(day.time_since_epoch().count());
}

} // namespace

double deltaTEstimate(double y)
{
    const double u = (y - 1820.0) / 100.0;
    if (y < -500.0 || y >= 2150.0)
        return -20.0 + 32.0 * u * u;
    if (y < 500.0)
        return polynomial(y / 100.0, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452,
                                      0.022174192, 0.0090316521});
    if (y < 1600.0)
        return polynomial((y - 1000.0) / 100.0, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463,
                                                 -0.005050998, 0.0083572073});
    if (y < 1700.0)
        return polynomial(y - 1600.0, {120.0, -0.9808, -0.01532, 1.0 / 7129.0});
    if (y < 1800.0)
        return polynomial(y - 1700.0, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0});
    if (y < 1860.0)
        return polynomial(y - 1800.0, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436,
                                       0.0000121272, -0.0000001699, 0.000000000875});
    if (y < 1900.0)
        return polynomial(y - 1860.0,
                          {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0});
    if (y < 1920.0)
        return polynomial(y - 1900.0, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941.0)
        return polynomial(y - 1920.0, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961.0)
        return polynomial(y - 1950.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0});
    if (y < 1986.0)
        return polynomial(y - 1975.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0});
    if (y < 2005.0)
        return polynomial(y - 2000.0,
                          {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y < 2050.0)
        return polynomial(y - 2000.0, {62.92, 0.32217, 0.005589});
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

double ttMinusUtc(int year, int month, int day)
{
    double leapSeconds = 0.0;
    // eraDat answers 0 from 1960; before 1972 UTC ran on adjusted seconds, after its table's
    // horizon it warns (1) and the leap seconds to come are unknown.
    if (year >= 1972 && eraDat(year, month, day, 0.0, &leapSeconds) == 0)
        return 32.184 + leapSeconds;
    return deltaTEstimate(year + (month - 0.5) / 12.0);
}

double apparentSolarLongitude(double jdTT)
{
    // Earth's heliocentric and barycentric position and velocity (TDB, within 2 ms of TT).
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(ERFA_DJ00, jdTT - ERFA_DJ00, heliocentric, barycentric);

    // The Sun seen from the Earth: where it was when the light left it (the barycentre's
    // frame, one step of light time suffices), then annual aberration by the Earth's
    // barycentric velocity.
    const double lightTime = eraPm(heliocentric[0]) * ERFA_AULT / ERFA_DAYSEC;
    double earlierHelio[2][3];
    double earlierBary[2][3];
    eraEpv00(ERFA_DJ00, jdTT - ERFA_DJ00 - lightTime, earlierHelio, earlierBary);
    double sun[3];
    eraPmp(earlierBary[0], earlierHelio[0], sun);
    eraPmp(sun, barycentric[0], sun);
    double distance = 0.0;
    double direction[3];
    eraPn(sun, &distance, direction);
    double velocity[3];
    // au/day to a fraction of c (ERFA_DAU is in metres, ERFA_CMPS in m/s).
    eraSxp(ERFA_DAU / ERFA_DAYSEC / ERFA_CMPS, barycentric[1], velocity);
    const double bm1 = std::sqrt(1.0 - eraPm(velocity) * eraPm(velocity));
    double apparent[3];
    eraAb(direction, velocity, distance, bm1, apparent);

    // To the true equator and equinox of date, then about the equinox by the true obliquity.
    double npb[3][3];
    eraPnm06a(ERFA_DJ00, jdTT - ERFA_DJ00, npb);
    double ofDate[3];
    eraRxp(npb, apparent, ofDate);
    double dpsi = 0.0;
    double deps = 0.0;
    eraNut06a(ERFA_DJ00, jdTT - ERFA_DJ00, &dpsi, &deps);
    const double obliquity = eraObl06(ERFA_DJ00, jdTT - ERFA_DJ00) + deps;
    const double y = ofDate[1] * std::cos(obliquity) + ofDate[2] * std::sin(obliquity);
    return eraAnp(std::atan2(y, ofDate[0])) * ERFA_DR2D;
}

std::chrono::sys_seconds solarLongitudeInstant(double longitude, std::chrono::sys_days near)
{
    const std::chrono::year_month_day date(near);
    const double utcToTT =
        ttMinusUtc(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))) /
        SecondsPerDay;
    double jd = julianDate(near) + utcToTT;
    // Newton's step with the mean rate; the true rate differs by a few per cent, so each step
    // gains more than a digit. A hundredth of a second is far below the rounding.
    constexpr double degreesPerDay = 360.0 / 365.2422;
    for (int i = 0; i < 30; ++i) {
        const double behind = std::remainder(longitude - apparentSolarLongitude(jd), 360.0);
        const double step = behind / degreesPerDay;
        jd += step;
        if (std::abs(step) * SecondsPerDay < 0.01)
            break;
    }
    const double utc = (jd - UnixEpochJD) * SecondsPerDay - utcToTT * SecondsPerDay;
    return std::chrono::sys_seconds(std::chrono::seconds(std::llround(utc)));
}

std::chrono::sys_seconds sectionalTerm(int year, int month)
{
    using namespace std::chrono;
    const double longitude = std::fmod(285.0 + 30.0 * (month - 1), 360.0);
    // Every 節 falls between the 3rd and the 9th of its month.
    return solarLongitudeInstant(longitude,
                                 sys_days(std::chrono::year(year) / unsigned(month) / 6));
}

} // namespace orrindel
