#pragma once

#include "conversion/calc_outcome.h"

#include <string_view>

namespace quillmar {

// Turns the chooser's text and the amount text into what one press of Calculate shows.
// The hidden plug wins over everything; then a bad amount wins over an unknown plug.
// Throws arithmetic_error when the product leaves the range of a double.
calc_outcome calculate(std::string_view plug_text, std::string_view amount_text);

} // namespace quillmar
