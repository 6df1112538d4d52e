#pragma once

#include "chartreport.h"
#include "engine/palacereading.h"

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

} // namespace orrindel::report
