#pragma once

#include "chartreport.h"
#include "engine/palacereading.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <vector>

// The palace readings of a chart, assembled once for every face: the tool's JSON and text, the
// Chart Details window and the house report.
namespace orrindel::report {

// The nine palaces of one chart, by palace index.
struct ChartPalaces
{
    bool replacement = false;
    std::array<PalaceReading, PalaceCount> palaces;
};

// The period the stars are read against: that of the month whose annual stars are shown, or of
// today's month in the system's zone when none is, as the annual chart takes today.
int currentPeriodOf(const ChartReading &reading);

// The standard chart's palaces, then the replacement chart's where it is shown (the one rule of
// readingLines). The month's annual and monthly stars visit, and its afflictions sit, only when a
// month is shown.
std::vector<ChartPalaces> palaceReadings(const ChartReading &reading);

// The tool's palaces section of each chart shown: a line a palace, row by row as the grid lays
// them out, south-east first.
QString palacesText(const ChartReading &reading);

// One palace's "reading", "visitors" and "afflictions" in JSON.
QJsonObject palaceJson(const PalaceReading &palace);
// The chart's JSON with "currentPeriod" and each palace's reading added: the standard chart's,
// and the replacement chart's where it applies, as the JSON gives the lean as it is.
void addPalacesJson(QJsonObject &chart, const ChartReading &reading);

} // namespace orrindel::report
