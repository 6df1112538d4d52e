#pragma once

#include "chartreport.h"
#include "document.h"
#include "store/house.h"
#include "store/plan.h"

#include "engine/plan.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orrindel::report {

// The chart of a house and the annual and monthly stars of a month; raises store::StoreError
// (Invalid) when its year or bearing gives no chart.
ChartReading readHouse(const store::House &house, const MonthOfYear &month);

// One floor of a house as the report shows it: its name, its plan's file (an image, or a PDF
// and the page shown) and what was traced on it.
struct FloorPlan
{
    QString floor;
    QByteArray file;
    int page = 1;
    PlanInput input;
};

// A house's floors as the report shows them, from its plans read with their files, in their
// order; a plan whose geometry cannot be read is shown bare.
std::vector<FloorPlan> floorPlans(const store::House &house, const QList<store::Plan> &plans);

// The stars a plan's overlay shows: the chart's, the reading's month's, and each palace's tone
// in that month's period.
PlanStars planStars(const ChartReading &reading);

// The report of a house: whose house it is, its chart with period and formation and the
// readings, the standard and replacement grids and the stars of the reading's month; then each
// chart's palaces in a table for that month, with the year's and the month's afflictions; then
// a page for each floor, its plan under the overlay and its sectors in a table.
Document houseDocument(const store::House &house, const ChartReading &reading,
                       const std::vector<FloorPlan> &floors = {});

} // namespace orrindel::report
