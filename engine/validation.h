#pragma once

#include <string_view>

namespace orrindel {

// What the main window accepts, shared with the command-line tool so both agree.
// A year is numeric text above 64 that fits the 16-bit year.
bool isValidYearText(std::string_view text);
// A year is typed in at most four characters.
inline constexpr int YearTextMaxLength = 4;
// The annual stars are shown for the months of these years.
inline constexpr int LowestAnnualYear = 1000;
inline constexpr int HighestAnnualYear = 9999;
// A bearing is numeric text with 0 <= bearing < 360.
bool isValidBearingText(std::string_view text);

} // namespace orrindel
