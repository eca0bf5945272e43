#include "platform/number_format.h"

#include <cfloat>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <iomanip>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace quillmar {
namespace {

struct format_case {
    double value;
    std::string text;
};

void PrintTo(const format_case& c, std::ostream* out) {
    *out << std::setprecision(17) << c.value << " formats as \"" << c.text << '"';
}

class FormatTwoDecimals : public testing::TestWithParam<format_case> {};

// With the comma as the separator the same digits are written around a comma.
TEST_P(FormatTwoDecimals, WritesTheRoundedValue) {
    EXPECT_EQ(format_two_decimals(GetParam().value, decimal_separator::point), GetParam().text)
        << "value " << GetParam().value;
    std::string with_comma = GetParam().text;
    with_comma[with_comma.find('.')] = ',';
    EXPECT_EQ(format_two_decimals(GetParam().value, decimal_separator::comma), with_comma)
        << "value " << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Whole, FormatTwoDecimals,
                         testing::Values(format_case{0.0, "0.00"}, format_case{1.0, "1.00"},
                                         format_case{9.0, "9.00"}, format_case{13.0, "13.00"},
                                         format_case{1234567.0, "1234567.00"},
                                         format_case{0.5, "0.50"}, format_case{0.1, "0.10"},
                                         format_case{0.01, "0.01"}, format_case{99.99, "99.99"}));

// Halves of a hundredth round away from zero, after the 15-digit rounding.
INSTANTIATE_TEST_SUITE_P(Halves, FormatTwoDecimals,
                         testing::Values(format_case{0.125, "0.13"}, format_case{0.375, "0.38"},
                                         format_case{-0.125, "-0.13"}, format_case{1.005, "1.01"},
                                         format_case{2.675, "2.68"}, format_case{0.015, "0.02"},
                                         format_case{0.005, "0.01"}, format_case{-0.005, "-0.01"},
                                         format_case{0.995, "1.00"}, format_case{9.995, "10.00"},
                                         format_case{99.995, "100.00"},
                                         format_case{999999.995, "1000000.00"},
                                         format_case{123456789012.345, "123456789012.35"}));

// A few units in the last place below a half-hundredth: the 15-digit rounding makes them a
// half, which then rounds up.
INSTANTIATE_TEST_SUITE_P(
    JustBelowHalves, FormatTwoDecimals,
    testing::Values(
        format_case{1.8749999999999998, "1.88"}, format_case{std::nextafter(0.125, 0.0), "0.13"},
        format_case{std::nextafter(std::nextafter(0.125, 0.0), 0.0), "0.13"},
        format_case{7.499999999999999, "7.50"}, format_case{-3.5999999999999996, "-3.60"},
        format_case{12.999999999999998, "13.00"}, format_case{std::nextafter(0.005, 0.0), "0.01"},
        // Below the half by more than the 15-digit rounding hides.
        format_case{0.12499999999999, "0.12"}, format_case{0.0049, "0.00"},
        format_case{1.0049999999, "1.00"}));

INSTANTIATE_TEST_SUITE_P(
    Negatives, FormatTwoDecimals,
    testing::Values(format_case{-0.0, "0.00"}, format_case{-1.0, "-1.00"},
                    format_case{-3.6, "-3.60"}, format_case{-0.001, "-0.00"},
                    format_case{-0.004999, "-0.00"}, format_case{-1e-300, "-0.00"},
                    format_case{-std::numeric_limits<double>::denorm_min(), "-0.00"},
                    format_case{-12345.678, "-12345.68"}));

INSTANTIATE_TEST_SUITE_P(
    Tiny, FormatTwoDecimals,
    testing::Values(format_case{std::numeric_limits<double>::denorm_min(), "0.00"},
                    format_case{DBL_MIN, "0.00"}, format_case{1e-300, "0.00"},
                    format_case{0.0005, "0.00"}, format_case{0.001, "0.00"},
                    format_case{0.0049999, "0.00"}, format_case{0.009, "0.01"}));

INSTANTIATE_TEST_SUITE_P(
    Huge, FormatTwoDecimals,
    testing::Values(format_case{1e15, "1000000000000000.00"},
                    format_case{1e20, "100000000000000000000.00"},
                    format_case{123456789012345678.0, "123456789012346000.00"},
                    format_case{1.5e308, "15" + std::string(307, '0') + ".00"},
                    format_case{DBL_MAX, "179769313486232" + std::string(294, '0') + ".00"},
                    format_case{-DBL_MAX, "-179769313486232" + std::string(294, '0') + ".00"}));

// The same rounding computed another way: glibc's printf gives the 15 significant digits and
// whole-number arithmetic rounds them to hundredths. Valid for magnitudes below 1e15.
std::string reference_format(double value) {
    if (value == 0.0)
        return "0.00";
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    std::int64_t digits = 0; // the 15 significant digits as a whole number
    const char* p = text;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits = digits * 10 + (*p - '0');
    }
    const int exponent = std::atoi(p + 1);

    // value = digits * 10^(exponent - 14), so in hundredths: digits * 10^(exponent - 12).
    std::int64_t hundredths = 0;
    const int shift = exponent - 12;
    if (shift >= 0) {
        hundredths = digits;
        for (int i = 0; i < shift; ++i)
            hundredths *= 10;
    } else if (shift >= -15) {
        std::int64_t divisor = 1;
        for (int i = 0; i < -shift; ++i)
            divisor *= 10;
        hundredths = digits / divisor;
        if (2 * (digits % divisor) >= divisor)
            ++hundredths;
    }
    char result[64];
    std::snprintf(result, sizeof result, "%s%" PRId64 ".%02" PRId64, value < 0 ? "-" : "",
                  hundredths / 100, hundredths % 100);
    return result;
}

TEST(FormatTwoDecimalsProperty, AgreesWithAnIndependentRoundingForRandomDoubles) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> decade(-20.0, 15.0);
    std::uniform_int_distribution<int> hundredth(-100000, 100000);
    std::uniform_int_distribution<int> ulps(-4, 4);
    std::uniform_int_distribution<std::uint64_t> bits;

    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        double value = 0.0;
        switch (i % 3) {
        case 0: // any magnitude from 1e-20 to 1e15, either sign
            value = std::pow(10.0, decade(random)) * (random() % 2 == 1 ? 1 : -1);
            break;
        case 1: { // a few units in the last place around a half-hundredth
            value = (hundredth(random) + 0.5) / 100.0;
            for (int step = ulps(random); step != 0; step += step > 0 ? -1 : 1)
                value = std::nextafter(value, step > 0 ? INFINITY : -INFINITY);
            break;
        }
        default: { // any bit pattern of a finite double below 1e15
            const std::uint64_t pattern = bits(random);
            std::memcpy(&value, &pattern, sizeof value);
            if (!std::isfinite(value) || std::fabs(value) >= 1e15)
                continue;
        }
        }
        ASSERT_EQ(format_two_decimals(value, decimal_separator::point), reference_format(value))
            << "value " << std::hexfloat << value;
        ++checked;
    }
    EXPECT_GT(checked, 150000);
}

} // namespace
} // namespace quillmar
