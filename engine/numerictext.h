#pragma once

#include <cstdint>
#include <string_view>

namespace orrindel {

// The runtime's numeric-text test: ASCII digits with at most one "." and at least one
// digit. Pasted text is judged by the same shape the key filter lets through, so signs,
// spaces, exponents, separators and non-ASCII digits are not numeric, whatever the locale.
bool isNumericText(std::string_view text);

// Conversions of numeric text. Each raises the runtime's type-mismatch error for text
// that is not numeric.
double textToDouble(std::string_view text);
float textToSingle(std::string_view text);
// Rounds half to even; raises the overflow error outside the 16-bit range.
std::int16_t textToInteger(std::string_view text);

} // namespace orrindel
