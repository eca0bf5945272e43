#pragma once

#include "conversion/calc_outcome.h"
#include "platform/decimal_separator.h"

#include <string_view>

namespace quillmar {

// Turns the chooser's text and the amount text into what one press of Calculate shows.
// The hidden plug wins over everything; then a bad amount wins over an unknown plug.
// The amount is read and the product written with the user's decimal separator.
// Throws arithmetic_error when the product leaves the range of a double.
calc_outcome calculate(std::string_view plug_text, std::string_view amount_text,
                       decimal_separator separator);

} // namespace quillmar
