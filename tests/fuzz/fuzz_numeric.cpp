// Numeric text, its conversions and the window's validation, on arbitrary bytes.
#include "engine/numerictext.h"
#include "engine/validation.h"
#include "fuzzcheck.h"

#include <cerrno>
#include <cmath>
#include <string>

using orrindel::RuntimeError;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    double value = 0;
    int integer = 0;
    const int error = errorOf([&] { value = orrindel::textToDouble(text); });
    const int integerError = errorOf([&] { integer = orrindel::textToInteger(text); });
    const int singleError = errorOf([&] { (void)orrindel::textToSingle(text); });
    // Only text that is not numeric is a type mismatch; numeric text reads as the C library
    // reads it, and overflows only where that is out of range (too large or too small).
    errno = 0;
    const double reference = std::strtod(text.c_str(), nullptr);
    check(orrindel::isNumericText(text) == (error != RuntimeError::TypeMismatch));
    if (error != RuntimeError::TypeMismatch)
        check(error ? error == RuntimeError::Overflow && errno == ERANGE : value == reference);
    if (error != RuntimeError::TypeMismatch && std::isinf(reference))
        check(error == RuntimeError::Overflow);
    if (error)
        check(integerError == error && singleError == error);
    else
        check((integerError ? std::abs(value) > 32767 : std::abs(integer - value) <= 0.5) &&
              (singleError == 0 || value > 3.4e38));
    // What the window accepts converts without error, in range.
    if (orrindel::isValidYearText(text))
        check(integerError == 0 && value > 64 && integer >= 64);
    check(orrindel::isValidBearingText(text) == (error == 0 && value < 360));
    return 0;
}
