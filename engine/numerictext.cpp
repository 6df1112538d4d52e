#include "numerictext.h"

#include "runtimeerror.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace orrindel {

bool isNumericText(std::string_view text)
{
    int digits = 0;
    int points = 0;
    for (const char ch : text) {
        if (ch >= '0' && ch <= '9')
            ++digits;
        else if (ch == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

double textToDouble(std::string_view text)
{
    if (!isNumericText(text))
        throw RuntimeError::typeMismatch();
    double value = 0.0;
    // Locale-independent: the point is always ".".
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range || !std::isfinite(value))
        throw RuntimeError::overflow();
    if (ec != std::errc() || end != text.data() + text.size())
        throw RuntimeError::typeMismatch();
    return value;
}

float textToSingle(std::string_view text)
{
    const double value = textToDouble(text);
    if (value > std::numeric_limits<float>::max())
        throw RuntimeError::overflow();
    return static_cast<float>(value);
}

namespace {

// As the runtime converts: half to even, overflow raises.
std::int16_t doubleToInteger(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    const double rounded = std::nearbyint(value); // default mode: half to even
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError::overflow();
    return static_cast<std::int16_t>(rounded);
}

} // namespace

std::int16_t textToInteger(std::string_view text)
{
    return doubleToInteger(textToDouble(text));
}

} // namespace orrindel
