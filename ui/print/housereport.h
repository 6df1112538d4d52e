#pragma once

#include "report/chartreport.h"
#include "store/house.h"

#include <QString>

#include <optional>

namespace orrindel {

// Writes the report of a house to a PDF: whose house it is, its chart with period and
// formation and the readings, the standard and replacement grids and the annual and
// monthly stars of a month, in the program's language, on the locale's paper. Raises
// RuntimeError, its detail naming the file, when the file cannot be written.
void writeHouseReport(const store::House &house, const std::optional<report::MonthOfYear> &month,
                      const QString &pdfPath);

} // namespace orrindel
