#include "window/title_colour.h"

#include <gtest/gtest.h>
#include <iomanip>
#include <ostream>

namespace quillmar {
namespace {

TEST(ContrastRatio, FollowsTheGuidelinesFormula) {
    EXPECT_DOUBLE_EQ(contrast_ratio({0, 0, 0}, {255, 255, 255}), 21.0);
    EXPECT_DOUBLE_EQ(contrast_ratio({255, 255, 255}, {0, 0, 0}), 21.0);
    EXPECT_DOUBLE_EQ(contrast_ratio({0, 64, 0}, {0, 64, 0}), 1.0);
    // Worked by hand from the formula: the green's luminance is 0.7152 * 0.05127.
    EXPECT_NEAR(contrast_ratio({255, 255, 255}, layout::ground), 12.12, 0.01);
    EXPECT_NEAR(contrast_ratio({0x2d, 0x2d, 0x2d}, layout::ground), 1.14, 0.01);
    // Dark greys: 5 on the curve's straight part near black, 25 just past its bend.
    EXPECT_NEAR(contrast_ratio({5, 5, 5}, {0, 0, 0}), 1.03035, 1e-4);
    EXPECT_NEAR(contrast_ratio({25, 25, 25}, {0, 0, 0}), 1.19442, 1e-4);
}

struct title_case {
    layout::colour window_background;
    layout::colour title;
};

// Names the case in ctest's list, as "on 2d2d2d: ffffff".
void PrintTo(const title_case& c, std::ostream* out) {
    const auto rgb = [](layout::colour each) {
        return each.red << 16 | each.green << 8 | each.blue;
    };
    *out << std::hex << std::setfill('0') << "on " << std::setw(6) << rgb(c.window_background)
         << ": " << std::setw(6) << rgb(c.title);
}

class TitleColour : public testing::TestWithParam<title_case> {};

TEST_P(TitleColour, KeepsTheSystemColourOnlyWhereItReads) {
    const layout::colour shown = title_colour(GetParam().window_background);
    EXPECT_TRUE(shown == GetParam().title)
        << int(shown.red) << ',' << int(shown.green) << ',' << int(shown.blue);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, TitleColour,
    testing::Values(title_case{{255, 255, 255}, {255, 255, 255}},    // the default desktop
                    title_case{{255, 255, 224}, {255, 255, 224}},    // a light tint of its own
                    title_case{{0x2d, 0x2d, 0x2d}, {255, 255, 255}}, // a dark theme's grey
                    title_case{{0, 0, 0}, {255, 255, 255}},          // black, high contrast
                    // Around 4.5 to 1: grey 157 gives 4.47, grey 158 gives 4.52.
                    title_case{{157, 157, 157}, {255, 255, 255}},
                    title_case{{158, 158, 158}, {158, 158, 158}}));

} // namespace
} // namespace quillmar
