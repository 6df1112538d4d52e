#pragma once

#include "report/chartreport.h"
#include "pdfdocument.h"
#include "planoverlay.h"
#include "report/housedocument.h"
#include "store/house.h"

#include <QString>

#include <optional>
#include <vector>

namespace orrindel {

// Writes the report of a house to a PDF, in the program's language, on the locale's paper, as
// content (report::houseDocument) drawn on pages. Needs a QGuiApplication, which may be on the
// offscreen platform. Raises store::StoreError: Invalid when the house gives no chart,
// FileError, naming the file, when the file cannot be written.
void writeHouseReport(const store::House &house, const std::optional<report::MonthOfYear> &month,
                      const QString &pdfPath);
// The same with a page for each of the house's floors, in their order.
void writeHouseReport(const store::House &house, const std::optional<report::MonthOfYear> &month,
                      const std::vector<report::FloorPlan> &floors, const QString &pdfPath);

// A plan of the house drawn with its overlay and the stars of the month asked for (else this
// month) to a PNG or PDF. Raises store::StoreError as render::writePlanPicture does.
void writeHousePlan(const store::House &house, const store::Plan &plan,
                    const std::optional<report::MonthOfYear> &month, bool grid,
                    render::PlanFileFormat format, const QString &path);

namespace render {
// The report's faces: a serif for Latin letters and digits, Chinese from a copy of the
// language's CJK face whose text copies back as drawn.
Fonts reportFonts();
} // namespace render

} // namespace orrindel
