#include "daystars.h"

#include "runtimeerror.h"
#include "solarterms.h"

#include <algorithm>

namespace orrindel {

using namespace std::chrono;

namespace {

constexpr sys_days CycleStart = 2024y / January / 1; // a 甲子 day

sys_days solsticeDate(double longitude, int year, unsigned month, const LocalDateOf &localDate)
{
    return localDate(
        solarLongitudeInstant(longitude, sys_days(std::chrono::year(year) / month / 21)));
}

// The 甲子 day nearest a solstice date: the one on or before it up to 29, else the next.
sys_days turningDay(sys_days solstice)
{
    const int cycle = dayCycle(solstice);
    return cycle <= 29 ? solstice - days(cycle) : solstice + days(60 - cycle);
}

struct Turning
{
    sys_days day;
    Dun dun;
};

// The last turning 甲子 on or before the date. A turning lies within 30 days of its solstice,
// so the last one is among those of the solstices of this year and the year before.
Turning lastTurning(sys_days date, const LocalDateOf &localDate)
{
    const int y = int(year_month_day(date).year());
    Turning last{sys_days::min(), Dun::Yang};
    for (int year = y - 1; year <= y; ++year) {
        for (const Turning t :
             {Turning{turningDay(summerSolsticeDate(year, localDate)), Dun::Yin},
              Turning{turningDay(winterSolsticeDate(year, localDate)), Dun::Yang}})
            if (t.day <= date && t.day > last.day)
                last = t;
    }
    return last;
}

// By the solstice dates themselves: 阳 from 冬至 to the day before 夏至.
Dun dunOfDate(sys_days date, const LocalDateOf &localDate)
{
    const int y = int(year_month_day(date).year());
    if (date >= winterSolsticeDate(y, localDate))
        return Dun::Yang;
    return date < summerSolsticeDate(y, localDate) ? Dun::Yang : Dun::Yin;
}

int stepped(int start, Dun dun, long long steps)
{
    const long long signedSteps = dun == Dun::Yang ? steps : -steps;
    return modulo(start - 1 + signedSteps, 9) + 1;
}

} // namespace

int dayCycle(sys_days date)
{
    return modulo((date - CycleStart).count(), 60);
}

sys_days winterSolsticeDate(int year, const LocalDateOf &localDate)
{
    return solsticeDate(270.0, year, 12, localDate);
}

sys_days summerSolsticeDate(int year, const LocalDateOf &localDate)
{
    return solsticeDate(90.0, year, 6, localDate);
}

DailyStar dailyStar(sys_days date, const LocalDateOf &localDate)
{
    const Turning turning = lastTurning(date, localDate);
    DailyStar star;
    star.cycle = dayCycle(date);
    star.dun = turning.dun;
    star.centre =
        stepped(turning.dun == Dun::Yang ? 1 : 9, turning.dun, (date - turning.day).count());
    return star;
}

HourlyStar hourlyStar(sys_days date, int hour, int minute, const LocalDateOf &localDate)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        throw RuntimeError::invalidProcedureCall();
    HourlyStar star;
    star.branch = (hour + 1) / 2 % 12; // 23:00 is the 子 hour of the same date
    star.dun = dunOfDate(date, localDate);
    // The 子 hour's star by the day's branch: 子午卯酉, 辰戌丑未, 寅申巳亥 in turn.
    const int group = dayCycle(date) % 12 % 3;
    const int first = star.dun == Dun::Yang ? 1 + 3 * group : 9 - 3 * group;
    star.centre = stepped(first, star.dun, star.branch);
    return star;
}

} // namespace orrindel
