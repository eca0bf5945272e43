#pragma once

#include <string_view>

namespace quillmar {

// What separates a number's whole part from its fraction in the user's language. The front
// end reads it from the user's locale once at start; the rules and the number services only
// ever receive it, so they hold no locale state of their own.
enum class decimal_separator : char { point = '.', comma = ',' };

// The separator for the decimal-point text of a locale: the comma where the locale writes a
// comma, the point everywhere else.
constexpr decimal_separator separator_for(std::string_view locale_decimal_point) {
    return locale_decimal_point == "," ? decimal_separator::comma : decimal_separator::point;
}

constexpr char to_char(decimal_separator separator) {
    return static_cast<char>(separator);
}

} // namespace quillmar
