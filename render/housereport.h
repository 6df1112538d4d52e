#pragma once

#include "report/chartreport.h"
#include "store/house.h"

#include <QString>

#include <optional>

namespace orrindel {

// Writes the report of a house to a PDF, in the program's language, on the locale's paper, as
// content (report::houseDocument) drawn on pages. Needs a QGuiApplication, which may be on the
// offscreen platform. Raises store::StoreError: Invalid when the house gives no chart,
// FileError, naming the file, when the file cannot be written.
void writeHouseReport(const store::House &house, const std::optional<report::MonthOfYear> &month,
                      const QString &pdfPath);

} // namespace orrindel
