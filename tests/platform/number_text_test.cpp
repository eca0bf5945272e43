#include "platform/number_text.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>
#include <limits>
#include <ostream>
#include <string>

namespace quillmar {
namespace {

struct accepted_case {
    std::string text;
    double value;
};

void PrintTo(const accepted_case& c, std::ostream* out) {
    *out << '"' << c.text << "\" reads as " << std::setprecision(17) << c.value;
}

constexpr decimal_separator point = decimal_separator::point;
constexpr decimal_separator comma = decimal_separator::comma;

void expect_reads(const std::string& text, decimal_separator separator, double expected) {
    const std::optional<double> value = read_number(text, separator);
    ASSERT_TRUE(value.has_value()) << '"' << text << "\" with '" << to_char(separator) << '\'';
    EXPECT_EQ(*value, expected) << '"' << text << "\" with '" << to_char(separator) << '\'';
    EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << '"' << text << '"';
}

// Every text with a point reads the same whatever the user's separator: where it is the
// comma, a point is still a decimal point.
class AcceptedNumber : public testing::TestWithParam<accepted_case> {};

TEST_P(AcceptedNumber, ReadsTheCorrectlyRoundedValue) {
    for (const decimal_separator separator : {point, comma})
        expect_reads(GetParam().text, separator, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    PointTexts, AcceptedNumber,
    testing::Values(
        accepted_case{"10", 10.0}, accepted_case{"-4", -4.0}, accepted_case{"+1.5", 1.5},
        accepted_case{".5", 0.5}, accepted_case{"5.", 5.0}, accepted_case{"-.5", -0.5},
        accepted_case{"000123", 123.0}, accepted_case{"0", 0.0}, accepted_case{"-0", -0.0},
        accepted_case{"+0.0", 0.0}, accepted_case{"  10", 10.0}, accepted_case{"10  ", 10.0},
        accepted_case{"\t 2.5 \t", 2.5}, accepted_case{"1e3", 1000.0}, accepted_case{"1E3", 1000.0},
        accepted_case{"1e+3", 1000.0}, accepted_case{"2.5e-1", 0.25},
        accepted_case{"-1.5E-0002", -0.015}, accepted_case{".5e1", 5.0},
        accepted_case{"5.e1", 50.0}, accepted_case{"0.1", 0.1}, accepted_case{"1.005", 1.005},
        accepted_case{"1.5e308", 1.5e308}, accepted_case{"1.7976931348623157e308", DBL_MAX},
        accepted_case{"-1.7976931348623157e308", -DBL_MAX},
        accepted_case{"2.2250738585072014e-308", DBL_MIN},
        // Subnormals and values too small for a double read as the nearest double.
        accepted_case{"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        accepted_case{"2.5e-324", std::numeric_limits<double>::denorm_min()},
        accepted_case{"2.4e-324", 0.0}, accepted_case{"1e-400", 0.0},
        accepted_case{"-1e-400", -0.0}, accepted_case{"1e-99999999999999999999999", 0.0},
        accepted_case{"0e99999999999999999999999", 0.0},
        // The digits and the exponent together decide the range.
        accepted_case{"0.0001e312", 1e308}, accepted_case{"0.000001e-320", 0.0},
        accepted_case{"100000e-330", 0.0},
        accepted_case{"0." + std::string(500, '0') + "1e100", 0.0},
        accepted_case{"123456789012345678901234567890", 1.2345678901234568e29}));

// Where the user's separator is the comma, it reads as the decimal point, once.
// ...and is no decimal point where the point is.
class CommaNumber : public testing::TestWithParam<accepted_case> {};

TEST_P(CommaNumber, ReadsOnlyWhereTheSeparatorIsTheComma) {
    expect_reads(GetParam().text, comma, GetParam().value);
    EXPECT_EQ(read_number(GetParam().text, point), std::nullopt) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, CommaNumber,
                         testing::Values(accepted_case{"1,5", 1.5}, accepted_case{",5", 0.5},
                                         accepted_case{"5,", 5.0},
                                         accepted_case{"-1,5E-0002", -0.015},
                                         accepted_case{" 13,00 ", 13.0},
                                         accepted_case{"1,005", 1.005}));

TEST(NumberText, LongTextsReadExactly) {
    const std::string third = "0." + std::string(10000, '3');
    EXPECT_EQ(read_number(third, point), 1.0 / 3.0);

    const std::string big = "1" + std::string(300, '0');
    EXPECT_EQ(read_number(big, point), 1e300);

    const std::string tiny = "0." + std::string(1000, '0') + "1";
    EXPECT_EQ(read_number(tiny, comma), 0.0);

    // Many integer digits brought back into range by a negative exponent.
    const std::string scaled = "1" + std::string(5000, '0') + "e-4998";
    EXPECT_EQ(read_number(scaled, comma), 100.0);
}

TEST(NumberText, LongTextsBeyondTheRangeAreRejected) {
    EXPECT_FALSE(read_number("1" + std::string(400, '0'), point).has_value());
    EXPECT_FALSE(read_number("-" + std::string(400, '9') + ",5", comma).has_value());
    EXPECT_FALSE(read_number(std::string(100000, '7'), point).has_value());
    // A negative exponent that does not bring the digits back into range.
    EXPECT_FALSE(read_number("1" + std::string(400, '0') + "e-10", comma).has_value());
    EXPECT_FALSE(read_number("1" + std::string(400, '0') + "e-0050", point).has_value());
}

class RejectedNumber : public testing::TestWithParam<std::string> {};

TEST_P(RejectedNumber, IsNotANumber) {
    for (const decimal_separator separator : {point, comma})
        EXPECT_EQ(read_number(GetParam(), separator), std::nullopt)
            << '"' << GetParam() << "\" with '" << to_char(separator) << '\'';
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Texts, RejectedNumber,
    testing::Values(
        // empty or blank
        ""s, "   "s, "\t"s,
        // words and other bases
        "inf"s, "-inf"s, "nan"s, "NaN"s, "infinity"s, "0x10"s, "&H10"s, "abc"s, "12abc"s, "1d5"s,
        // grouping, with either separator, and misplaced signs
        "1.000,50"s, "1,000.50"s, "1,2,3"s, "1.2,3"s, ",,5"s, ",.5"s, ","s, "+,"s, "1e5,5"s,
        "1 000"s, "--1"s, "+-1"s, "-+1"s, "- 1"s, "1-"s, "1+"s, "(1)"s,
        // points and exponents
        "1.2.3"s, "."s, "+"s, "-"s, "+."s, ".e5"s, "5e"s, "e5"s, "1e+"s, "1e-"s, "1e5.5"s, "1 e5"s,
        "1e 5"s, "1ee5"s,
        // beyond the range of a double
        "1e400"s, "1e+400"s, "-1e400"s, "1.8e308"s, "1e99999999999999999999999"s, "0.001e312"s,
        // digits that are not ASCII: full-width, Arabic-Indic, superscript
        "\xEF\xBC\x91\xEF\xBC\x92"s, "\xD9\xA3"s, "1\xC2\xB2"s,
        // control characters, NUL included; only spaces and tabs count as blanks
        "1\0"s,
        "\0"
        "1"s,
        "1\0"
        "2"s,
        "\n5"s, "5\n"s, "5\r"s, "\v5"s, "5\f"s,
        "\x1b"
        "5"s,
        // a no-break space is not a blank
        "\xC2\xA0"
        "5"s));

} // namespace
} // namespace quillmar
