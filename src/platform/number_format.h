#pragma once

#include "platform/decimal_separator.h"

#include <string>

namespace quillmar {

// Writes value with the pattern "0.00": at least one digit before the decimal separator given,
// exactly two after it, no grouping, and a leading "-" for a negative value. The value is first
// rounded to 15 significant digits and that decimal is then rounded half away from zero to two
// decimals, so 1.8749999999999998 gives "1.88". Negative zero gives "0.00"; a negative value that
// rounds to zero gives "-0.00". The value must be finite.
std::string format_two_decimals(double value, decimal_separator separator);

} // namespace quillmar
