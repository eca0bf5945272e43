#include "platform/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#if !defined(__cpp_lib_to_chars)
#include <cstdio>
#endif

namespace quillmar {
namespace {

constexpr int significant_digits = 15;

// The magnitude rounded to 15 significant digits: the digits, and the power of ten of the first.
struct decimal {
    std::string digits;
    int exponent = 0;
};

decimal round_to_significant_digits(double magnitude) {
    // "d.dddddddddddddde+ddd" is at most 22 characters.
    std::array<char, 32> text{};
#if defined(__cpp_lib_to_chars)
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::scientific, significant_digits - 1);
    const std::string_view scientific(text.data(), written.ptr);
#else
    // Where the standard library cannot write a double, snprintf does, rounding the same way.
    const int written =
        std::snprintf(text.data(), text.size(), "%.*e", significant_digits - 1, magnitude);
    const std::string_view scientific(text.data(), static_cast<std::size_t>(written));
#endif
    const std::size_t e = scientific.find('e');

    // The first digit and the 14 before the "e": whatever stands between them as the decimal
    // point, which under snprintf is the locale's, is left out.
    constexpr std::size_t fraction_digits = significant_digits - 1;
    decimal result;
    result.digits.reserve(significant_digits);
    result.digits += scientific.front();
    result.digits += scientific.substr(e - fraction_digits, fraction_digits);

    std::string_view exponent = scientific.substr(e + 1);
    if (exponent.front() == '+')
        exponent.remove_prefix(1); // from_chars reads a "-" but not a "+"
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), result.exponent);
    return result;
}

// Adds one to a non-negative whole number written in decimal digits.
void increment(std::string& digits) {
    // The trailing nines become zeros and carry one into the digit before them; when every
    // digit is a nine, npos + 1 wraps to 0 and a new leading "1" takes the carry.
    const std::size_t carry_into = digits.find_last_not_of('9');
    std::fill(digits.begin() + static_cast<std::ptrdiff_t>(carry_into + 1), digits.end(), '0');
    if (carry_into == std::string::npos)
        digits.insert(digits.begin(), '1');
    else
        ++digits[carry_into];
}

// The magnitude in hundredths, rounded half away from zero, in decimal digits.
std::string hundredths_of(const decimal& value) {
    // digits[k] stands for 10^(exponent - k); the hundredths digit is k = exponent + 2.
    const int kept = value.exponent + 3;
    if (kept < 0)
        return "0";
    if (kept == 0)
        return value.digits.front() >= '5' ? "1" : "0";
    if (kept >= significant_digits)
        return value.digits + std::string(kept - significant_digits, '0');

    std::string hundredths = value.digits.substr(0, kept);
    if (value.digits[kept] >= '5')
        increment(hundredths);
    return hundredths;
}

} // namespace

std::string format_two_decimals(double value, decimal_separator separator) {
    if (value == 0.0) // negative zero too
        return std::string("0") + to_char(separator) + "00";

    std::string hundredths = hundredths_of(round_to_significant_digits(std::fabs(value)));
    if (hundredths.size() < 3)
        hundredths.insert(0, 3 - hundredths.size(), '0');

    std::string text = value < 0.0 ? "-" : "";
    text += std::string_view(hundredths).substr(0, hundredths.size() - 2);
    text += to_char(separator);
    text += std::string_view(hundredths).substr(hundredths.size() - 2);
    return text;
}

} // namespace quillmar
