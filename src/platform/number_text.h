#pragma once

#include "platform/decimal_separator.h"

#include <optional>
#include <string_view>

namespace quillmar {

// Reads a number the user typed. Accepted, between optional spaces or tabs: an optional "+" or
// "-", decimal digits with at most one decimal point, at least one digit in all, and an
// optional exponent ("e" or "E", an optional sign, one or more digits). The decimal point is
// the given separator; where that is the comma, a "." is read as the decimal point too, as
// keypads and habit type it. There is no digit grouping: a second separator of either kind
// rejects the text. Anything else, and any number beyond the range of a double, gives nothing.
// The value is the correctly rounded double; a number too small for a double reads as the
// nearest one (zero or subnormal).
std::optional<double> read_number(std::string_view text, decimal_separator separator);

} // namespace quillmar
