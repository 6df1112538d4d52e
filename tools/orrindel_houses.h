#pragma once

#include "report/chartreport.h"
#include "store/house.h"

#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

// Writes a house's PDF report; raises store::StoreError naming the file: FileError when it
// cannot be written, Invalid when the house gives no chart.
using HouseReportWriter =
    std::function<void(const orrindel::store::House &,
                       const std::optional<orrindel::report::MonthOfYear> &, const QString &)>;

// The whole of orrindel-houses: arguments (the program's name first) in, houses or help on
// out, one line on err per problem. Returns 0, 1 for a problem with the register's file or the
// report's, 2 for bad input. Without a report writer the report command fails with status 1.
int runHouses(const QStringList &arguments, QTextStream &out, QTextStream &err,
              const HouseReportWriter &writeReport = {});
