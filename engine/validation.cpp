#include "validation.h"

#include "numerictext.h"
#include "runtimeerror.h"

namespace orrindel {

bool isValidYearText(std::string_view text)
{
    if (!isNumericText(text))
        return false;
    try {
        // A pasted year can pass the numeric test and still not fit the 16-bit year.
        if (!(textToDouble(text) > 64))
            return false;
        (void)textToInteger(text);
        return true;
    } catch (const RuntimeError &) {
        return false;
    }
}

bool isValidBearingText(std::string_view text)
{
    if (!isNumericText(text))
        return false;
    try {
        const double degrees = textToDouble(text);
        return degrees >= 0 && degrees < 360;
    } catch (const RuntimeError &) {
        return false;
    }
}

} // namespace orrindel
