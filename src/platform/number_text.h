#pragma once

#include <optional>
#include <string_view>

namespace quillmar {

// Reads a number the user typed. Accepted, between optional spaces or tabs: an optional "+" or
// "-", decimal digits with at most one ".", at least one digit in all, and an optional exponent
// ("e" or "E", an optional sign, one or more digits). Anything else, and any number beyond the
// range of a double, gives nothing. The value is the correctly rounded double; a number too
// small for a double reads as the nearest one (zero or subnormal).
std::optional<double> read_number(std::string_view text);

// True when read_number accepts the text.
inline bool is_numeric(std::string_view text) {
    return read_number(text).has_value();
}

} // namespace quillmar
