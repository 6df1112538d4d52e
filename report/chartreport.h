#pragma once

#include "engine/chart.h"
#include "engine/formation.h"
#include "engine/monthly.h"
#include "engine/mountains.h"
#include "engine/replacement.h"

#include <QJsonObject>
#include <QString>

#include <chrono>
#include <optional>

namespace orrindel::report {

// A calendar month, as the date picker or --annual MM/YYYY gives it.
struct MonthOfYear
{
    int month = 1;
    int year = 0;
};

// What is asked: the inputs as the main window or the tool validated them.
struct ChartRequest
{
    int year = 0;
    QString facingText;                // the bearing as typed; it is also printed
    std::optional<MonthOfYear> annual; // the annual and monthly stars of that month
    bool showReplacement = false;      // the replacement grid even when the bearing is standard
    double tolerance = DefaultVoidTolerance;
};

// The annual stars of a month, and the monthly stars of its solar month.
struct MonthStars
{
    MonthOfYear month;
    Stars annual{};
    SolarMonth solar;
    Stars monthly{};
};

// Everything the chart shows, computed once.
struct ChartReading
{
    ChartRequest request;
    BuildingChart chart;
    Formation formation = Formation::DoubleSitting;
    MountainReading mountains;
    LeanReading lean;
    ReplacementChart replacement;
    std::optional<MonthStars> month;
};

// Raises the engine's RuntimeError on input the validation rules would refuse.
ChartReading readChart(const ChartRequest &request);

// The text orrindel-chart prints, local times in the system's zone; and its JSON, in UTC.
QString chartText(const ChartReading &reading);
QJsonObject chartJson(const ChartReading &reading);
// Nine single stars as the text prints the monthly ones: compass code and star, south on top.
QString starGridText(const Stars &stars);

// A moment in the system's zone, to the minute: "2026-12-07 10:52 CST (UTC+08:00)".
QString localTime(std::chrono::sys_seconds instant);

} // namespace orrindel::report
