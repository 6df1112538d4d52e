#pragma once

#include "chart.h"

#include <array>
#include <chrono>
#include <functional>

namespace orrindel {

// The local date of an instant in the zone the caller reads it in.
using LocalDateOf = std::function<std::chrono::sys_days(std::chrono::sys_seconds)>;

enum class Dun { Yang, Yin }; // 阳遁, 阴遁

// The ten heavenly stems from 甲 (0) to 癸 (9), UTF-8: a day of the cycle is named by its stem
// (cycle mod 10) and its branch (cycle mod 12).
inline constexpr std::array<const char *, 10> Stems = {"甲", "乙", "丙", "丁", "戊",
                                                       "己", "庚", "辛", "壬", "癸"};

// A day of the sixty-day cycle: 0 is 甲子; 2024-01-01 was one.
int dayCycle(std::chrono::sys_days date);

// The local dates of 冬至 (the Sun at 270 degrees) and 夏至 (90 degrees) of a year.
std::chrono::sys_days winterSolsticeDate(int year, const LocalDateOf &localDate);
std::chrono::sys_days summerSolsticeDate(int year, const LocalDateOf &localDate);

struct DailyStar
{
    int cycle = 0; // 0 (甲子) .. 59
    Dun dun = Dun::Yang;
    int centre = 1;
};
DailyStar dailyStar(std::chrono::sys_days date, const LocalDateOf &localDate);

struct HourlyStar
{
    int branch = 0; // the double hour, 子 (23:00-00:59) = 0 .. 亥 = 11
    Dun dun = Dun::Yang;
    int centre = 1;
};
// The hour and minute are local; 23:00-23:59 is the 子 hour of the same date.
HourlyStar hourlyStar(std::chrono::sys_days date, int hour, int minute,
                      const LocalDateOf &localDate);

} // namespace orrindel
