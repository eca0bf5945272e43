#include "platform/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#if !defined(__cpp_lib_to_chars)
#include <cmath>
#include <cstdlib>
#endif

namespace quillmar {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// An exponent beyond this cannot be brought back into range by any text held in memory.
constexpr std::int64_t exponent_cap = 1'000'000'000'000'000;

// What checking the shape of an accepted text learns about it.
struct number_shape {
    std::string_view number; // the text without blanks and without a leading "+"
    // Where the decimal point stands in number, if there is one.
    std::size_t point = std::string_view::npos;
    // The nonzero value lies in [10^(order-1), 10^order); 0 when every digit is zero.
    std::int64_t order = 0;
    // The exponent written after the digits, held within exponent_cap; 0 when there is none.
    std::int64_t exponent = 0;
};

std::optional<number_shape> check_shape(std::string_view text, decimal_separator separator) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);

    std::size_t i = 0;
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1); // std::from_chars takes no "+"
    else if (!text.empty() && text.front() == '-')
        ++i;

    std::int64_t digits = 0;
    std::int64_t integer_digits = 0;
    std::optional<std::int64_t> first_nonzero;
    std::size_t point = std::string_view::npos;
    const auto is_point = [separator](char c) { return c == '.' || c == to_char(separator); };
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (is_digit(c)) {
            if (c != '0' && !first_nonzero)
                first_nonzero = digits;
            ++digits;
            if (point == std::string_view::npos)
                ++integer_digits;
        } else if (is_point(c) && point == std::string_view::npos) {
            point = i;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool exponent_negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            exponent_negative = text[i] == '-';
            ++i;
        }
        const std::size_t exponent_start = i;
        for (; i < text.size() && is_digit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), exponent_cap);
        if (i == exponent_start)
            return std::nullopt;
        if (exponent_negative)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;

    return number_shape{text, point, first_nonzero ? integer_digits - *first_nonzero + exponent : 0,
                        exponent};
}

#if defined(__cpp_lib_to_chars)

std::optional<double> value_of(const number_shape& shape) {
    // std::from_chars reads only a "." as the decimal point.
    std::string with_point;
    std::string_view number = shape.number;
    if (shape.point != std::string_view::npos && number[shape.point] != '.') {
        with_point = number;
        with_point[shape.point] = '.';
        number = with_point;
    }
    const char* const end = number.data() + number.size();
    double value = 0.0;
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (stop != end)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range alike and leaves value untouched.
        if (shape.order > 0)
            return std::nullopt; // beyond the largest double
        // Nearer to zero than to the smallest subnormal.
        return shape.number.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc{})
        return std::nullopt;
    return value;
}

#else

// Where the standard library cannot read a double, strtod does, given the digits without
// their decimal point and the exponent moved to make up for it: with no point in the text, the
// locale's decimal point, which strtod would look for, never matters.
std::optional<double> value_of(const number_shape& shape) {
    std::string digits;
    std::int64_t fraction_digits = 0;
    for (std::size_t i = 0; i < shape.number.size(); ++i) {
        const char c = shape.number[i];
        if (c == 'e' || c == 'E')
            break;
        if (i == shape.point)
            continue;
        digits += c;
        if (shape.point != std::string_view::npos && i > shape.point)
            ++fraction_digits;
    }
    digits += 'e' + std::to_string(shape.exponent - fraction_digits);
    // strtod rounds correctly, gives the infinity of the sign beyond the largest double, and
    // zero or a subnormal below the smallest normal one.
    const double value = std::strtod(digits.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

#endif

} // namespace

std::optional<double> read_number(std::string_view text, decimal_separator separator) {
    const std::optional<number_shape> shape = check_shape(text, separator);
    if (!shape)
        return std::nullopt;
    return value_of(*shape);
}

} // namespace quillmar
