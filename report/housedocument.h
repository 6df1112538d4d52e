#pragma once

#include "chartreport.h"
#include "document.h"
#include "store/house.h"

#include <optional>

namespace orrindel::report {

// The chart of a house and the annual and monthly stars of a month; raises store::StoreError
// (Invalid) when its year or bearing gives no chart.
ChartReading readHouse(const store::House &house, const MonthOfYear &month);

// The report of a house: whose house it is, its chart with period and formation and the
// readings, the standard and replacement grids and the stars of the reading's month; then each
// chart's palaces in a table for that month, with the year's and the month's afflictions.
Document houseDocument(const store::House &house, const ChartReading &reading);

} // namespace orrindel::report
