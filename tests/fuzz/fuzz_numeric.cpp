// Numeric text, its conversions and the window's validation, on arbitrary bytes: only text
// that is not numeric is a type mismatch, numeric text reads as the C library reads it, and
// what the window accepts converts without error.
#include "engine/numerictext.h"
#include "engine/validation.h"
#include "fuzzcheck.h"

#include <string>

using namespace orrindel;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    double value = 0;
    const int error = errorOf([&] { value = textToDouble(text); });
    const int integerError = errorOf([&] { (void)textToInteger(text); });
    const int singleError = errorOf([&] { (void)textToSingle(text); });
    check(isNumericText(text) == (error != RuntimeError::TypeMismatch));
    check(error ? error == RuntimeError::Overflow || error == RuntimeError::TypeMismatch
                : value == std::strtod(text.c_str(), nullptr));
    check(!error || (integerError == error && singleError == error));
    check(!isValidYearText(text) || integerError == 0);
    check(isValidBearingText(text) == (error == 0 && value < 360));
    return 0;
}
