#include "window/result_fit.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace quillmar {
namespace {

// A font whose every character is half its point size wide.
double half_points_each(std::string_view text, double points) {
    return static_cast<double>(text.size()) * points / 2;
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
        // 12 characters: 48 pixels at 8 points, 42 at the smallest size; a result that fits at
        // no size takes the smallest.
        size_case{"13000000.00g", 48, 8}, size_case{"13000000.00g", 42, 7},
        size_case{"13000000.00g", 41, 7}, size_case{std::string(40, '9'), 41, 7}));

} // namespace
} // namespace quillmar
