#pragma once

#include "chartreport.h"
#include "engine/afflictions.h"
#include "engine/daystars.h"
#include "engine/readings.h"

#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <optional>
#include <vector>

// The readings of a chart in words and JSON: its named formations, the afflictions of the
// annual month and the daily and hourly stars of a moment.
namespace orrindel::report {

// The replacement chart applies where the house leans; it is shown beside the standard chart
// then, and wherever it is asked for. The window, the report and the text show it, its
// formation and its readings by this one rule; the JSON gives the lean as it is.
bool replacementApplies(const ChartReading &reading);
bool replacementShown(const ChartReading &reading);

// The formations of the standard chart, and of the replacement chart where it applies.
ChartReadings standardReadings(const ChartReading &reading);
std::optional<ChartReadings> replacementReadings(const ChartReading &reading);

// The readings of one chart in lines: its named formations and its castle gates.
struct ChartReadingLines
{
    bool replacement = false;
    QStringList formations;
    QStringList castleGates;
};
// The standard chart's, then the replacement chart's where it is shown: what every face of the
// program reads out.
std::vector<ChartReadingLines> readingLines(const ChartReading &reading);

// Each formation a chart has in one line: its characters, its name and what makes it; the
// two castle gates last. The list without the gates is empty when it has none of the others.
QStringList formationLines(const ChartReadings &readings);
QStringList castleGateLines(const ChartReadings &readings);

// The afflictions of the annual month's year and solar month.
struct MonthAfflictionReading
{
    YearAfflictions year;
    MonthAfflictions month;
};
MonthAfflictionReading afflictionsOf(const MonthStars &month);
// A mountain as the windows name it: its character and its palace, "辰 (south-east)".
QString mountainPlace(int mountain);
QString threeKillingsPlace(const std::array<int, 3> &mountains);
// "太岁 (Grand Duke) 辰 (south-east); 岁破 ..." and the month's "月破 ...; 三煞 ...".
QString yearAfflictionLine(const YearAfflictions &year);
QString monthAfflictionLine(const MonthAfflictions &month);
// Every affliction of the year, or of the month, where it sits: "Year afflictions, 午 year: 五黄
// south, 二黑 north-west; 太岁 ...".
QString yearAfflictionsLine(const YearAfflictions &year);
QString monthAfflictionsLine(const MonthAfflictions &month);
// The tag of a palace that holds 五黄 or 二黑 in these afflictions, or nothing.
QString afflictionTag(int palace, int fiveYellow, int twoBlack);

// The daily and hourly stars of a local moment; no hourly star without a time.
struct DayStarsReading
{
    QDate date;
    std::optional<QTime> time;
    DailyStar daily;
    std::optional<HourlyStar> hourly;
    Stars dailyStars{};
    Stars hourlyStars{};
};
DayStarsReading readDayStars(const QDate &date, const std::optional<QTime> &time);
// The local date of an instant in the system's zone.
std::chrono::sys_days systemLocalDate(std::chrono::sys_seconds instant);
// "戊辰" for a day of the cycle; "阳遁 (yang)" for a dun.
QString dayName(int cycle);
QString dunWords(Dun dun);
// "戊辰 day, 阳遁 (yang), centre 5" and "午 hour (11:00–12:59), 阳遁 (yang), centre 3".
QString dailyLine(const DayStarsReading &day);
QString hourlyLine(const DayStarsReading &day);

// The tool's lines after the chart: the formations and castle gates of each chart printed, and
// the afflictions with the annual stars, then each chart's palaces; and the daily and hourly stars
// of a moment.
QString readingsText(const ChartReading &reading);
QString dayStarsText(const DayStarsReading &day);

// The JSON of each.
QJsonObject readingsJson(const ChartReadings &readings);
QJsonObject afflictionsJson(const MonthAfflictionReading &afflictions);
QJsonObject dailyJson(const DayStarsReading &day);
QJsonObject hourlyJson(const DayStarsReading &day);
// The chart's JSON with its readings, afflictions and palace readings added, and with a moment's
// stars.
void addReadingsJson(QJsonObject &chart, const ChartReading &reading);
void addDayStarsJson(QJsonObject &chart, const DayStarsReading &day);

} // namespace orrindel::report
