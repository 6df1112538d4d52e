#include "keystroke.h"

namespace orrindel {

namespace {

bool isEditingCode(std::int16_t code)
{
    return (code >= 8 && code <= 10) || code == 13;
}
bool isDigit(std::int16_t code)
{
    return code >= 48 && code <= 57;
}
// The straight quotes and the Windows-1252 single curly quotes.
bool isQuote(std::int16_t code)
{
    return code == 34 || code == 39 || code == 145 || code == 146;
}

std::int16_t filter(std::int32_t mode, std::int16_t code)
{
    switch (mode) {
    case 0:
        if (code >= 97 && code <= 122)
            return static_cast<std::int16_t>(code - 32);
        if (isEditingCode(code))
            return code;
        return isQuote(code) ? 0 : code;
    case 1:
        if (isEditingCode(code))
            return code;
        return isQuote(code) ? 0 : code;
    case 2:
        return isEditingCode(code) || isDigit(code) ? code : 0;
    case 3:
        return isEditingCode(code) || code == 46 || isDigit(code) ? code : 0;
    default:
        return 0;
    }
}

} // namespace

std::int16_t Keystroke::Key(std::int32_t Mode, std::int16_t KeyAscii) const
{
    const std::int16_t result = filter(Mode, KeyAscii);
    if (result == 0 && m_beep)
        m_beep();
    return result;
}

} // namespace orrindel
