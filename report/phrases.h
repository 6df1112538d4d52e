#pragma once

#include "chartreport.h"

#include <QString>

#include <optional>

// Each reading worded once, for orrindel-chart's text and the Chart Details window alike;
// each face adds only its own label.
namespace orrindel::report {

// "子山午向 (sitting Zi, facing Wu; N2/S2)"
QString mountainsPhrase(const MountainReading &mountains);
// "+7 degrees from the centre of 午"
QString offsetPhrase(const MountainReading &mountains);
// "standard, within 4.5 degrees of the centre: ..." or "leaning (兼向), 午兼丁 / 子兼癸: ..."
QString leanPhrase(const ChartReading &reading);
// "major (大空亡), within 0.5 degrees of a sector's boundary: measure again", or none.
QString voidPhrase(const ChartReading &reading);
// The formation's words, or that it is none of the four.
QString formationPhrase(const std::optional<Formation> &formation);
// "06/2026"
QString monthPhrase(const MonthOfYear &month);
// The month of "6/2026" or "06/2026", years LowestAnnualYear to HighestAnnualYear; none for
// other text.
std::optional<MonthOfYear> monthOfYear(const QString &text);
// "solar month 午 (芒種)"
QString solarMonthPhrase(const SolarMonth &solar);
// The replacement chart's name, as its grid's title.
QString replacementTitle();

} // namespace orrindel::report
