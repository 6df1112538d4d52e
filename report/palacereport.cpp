#include "palacereport.h"

#include "readingreport.h"

#include <QDate>

namespace orrindel::report {

namespace {

PalaceVisits visitsOf(const ChartReading &r)
{
    if (!r.month)
        return {};
    const MonthAfflictionReading afflictions = afflictionsOf(*r.month);
    return {r.month->annual, r.month->monthly, afflictions.year, afflictions.month};
}

} // namespace

int currentPeriodOf(const ChartReading &r)
{
    if (r.month)
        return currentPeriod(r.month->month.year, r.month->month.month);
    const QDate today = QDate::currentDate();
    return currentPeriod(today.year(), today.month());
}

std::vector<ChartPalaces> palaceReadings(const ChartReading &r)
{
    const int period = currentPeriodOf(r);
    const PalaceVisits visits = visitsOf(r);
    std::vector<ChartPalaces> charts{
        {false, readPalaces(r.chart.mountain, r.chart.facing, period, visits)}};
    if (replacementShown(r))
        charts.push_back(
            {true, readPalaces(r.replacement.mountain, r.replacement.facing, period, visits)});
    return charts;
}

} // namespace orrindel::report
