#pragma once

#include "report/chartreport.h"
#include "report/housedocument.h"
#include "store/house.h"
#include "store/plan.h"

#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

// Writes a house's PDF report; raises store::StoreError naming the file: FileError when it
// cannot be written, Invalid when the house gives no chart.
using HouseReportWriter =
    std::function<void(const orrindel::store::House &,
                       const std::optional<orrindel::report::MonthOfYear> &,
                       const std::vector<orrindel::report::FloorPlan> &, const QString &)>;

// What `plan render` asks for: one file, PNG or PDF, the wedges or the grid, and optionally
// a month's stars.
struct PlanRenderRequest
{
    QString file;
    bool pdf = false;
    bool grid = false;
    std::optional<orrindel::report::MonthOfYear> annual;
};

// Draws a floor plan with its overlay to request.file; raises store::StoreError naming the
// file: FileError when it cannot be written, Invalid when the plan cannot be drawn.
using PlanRenderer = std::function<void(const orrindel::store::House &,
                                        const orrindel::store::Plan &, const PlanRenderRequest &)>;

// The whole of orrindel-houses: arguments (the program's name first) in, houses or help on
// out, one line on err per problem. Returns 0, 1 for a problem with the register's file or the
// report's, 2 for bad input. Without a report writer or a plan renderer, report or plan render fails with status 1.
int runHouses(const QStringList &arguments, QTextStream &out, QTextStream &err,
              const HouseReportWriter &writeReport = {}, const PlanRenderer &renderPlan = {});
