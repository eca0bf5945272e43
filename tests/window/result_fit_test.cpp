#include "window/result_fit.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace quillmar {
namespace {

// A font whose every character is half its point size wide, "…" included.
double half_points_each(std::string_view text, double points) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; // not a continuation byte
    });
    return static_cast<double>(characters) * points / 2;
}

struct size_case {
    std::string result;
    double available;
    double points;
};

void PrintTo(const size_case& c, std::ostream* out) {
    *out << '"' << c.result << "\" in " << c.available << " pixels";
}

class ResultPointSize : public testing::TestWithParam<size_case> {};

TEST_P(ResultPointSize, IsTheLargestAtWhichTheWholeResultFitsOrTheSmallest) {
    EXPECT_EQ(result_point_size(GetParam().result, GetParam().available, half_points_each),
              GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ResultPointSize,
    testing::Values(
        // 6 characters at 12 points are 36 pixels wide; a pixel less takes 11 points.
        size_case{"13.00g", 36, 12}, size_case{"13.00g", 35, 11},
        // 9 characters: 45 pixels at 10 points, 40.5 at 9.
        size_case{"13000.00g", 45, 10}, size_case{"13000.00g", 44, 9},
        // 12 characters at the smallest size are 42 pixels wide; a result that fits at no size
        // takes the smallest.
        size_case{"13000000.00g", 42, 7}, size_case{"13000000.00g", 41, 7},
        size_case{std::string(40, '9'), 41, 7}));

struct fit_case {
    std::string result;
    double available;
    result_fit expected;
};

void PrintTo(const fit_case& c, std::ostream* out) {
    *out << '"' << c.result << "\" in " << c.available << " pixels";
}

class FitResult : public testing::TestWithParam<fit_case> {};

TEST_P(FitResult, ShowsTheWholeResultOrItsBeginningWithAnEllipsis) {
    EXPECT_EQ(fit_result(GetParam().result, GetParam().available, half_points_each),
              GetParam().expected)
        << GetParam().result << " in " << GetParam().available << " pixels";
}

INSTANTIATE_TEST_SUITE_P(
    Results, FitResult,
    testing::Values(
        // 6 characters at 12 points are 36 pixels wide.
        fit_case{"13.00g", 36, {12, "13.00g"}}, fit_case{"13.00g", 35.9, {11, "13.00g"}},
        // 9 characters: 45 pixels at 10 points, 40.5 at 9.
        fit_case{"13000.00g", 45, {10, "13000.00g"}}, fit_case{"13000.00g", 44, {9, "13000.00g"}},
        // 12 characters at the smallest size are 42 pixels wide.
        fit_case{"13000000.00g", 42, {7, "13000000.00g"}},
        // One pixel short: ten characters and "…" take 38.5 pixels, eleven would take 42.
        fit_case{"13000000.00g", 41, {7, "13000000.0\xE2\x80\xA6"}},
        fit_case{std::string(40, '9'), 41, {7, "9999999999\xE2\x80\xA6"}},
        fit_case{"infinite", 48, {12, "infinite"}}));

// A character of several bytes is kept whole or left out whole, even where a font would make
// room for a part of it.
TEST(FitResult, NeverCutsACharacter) {
    const auto half_points_each_byte = [](std::string_view text, double points) {
        return static_cast<double>(text.size()) * points / 2;
    };
    // Five bytes and the three of "…" take 28 pixels: the fifth byte is the third "ä"'s first.
    EXPECT_EQ(fit_result("\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4", 28, half_points_each_byte),
              (result_fit{7, "\xC3\xA4\xC3\xA4\xE2\x80\xA6"}));
}

} // namespace
} // namespace quillmar
