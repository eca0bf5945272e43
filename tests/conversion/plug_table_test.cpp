#include "conversion/plug_table.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace quillmar {
namespace {

// The factor's bits as the table must hold them. std::memcpy, not std::bit_cast, which the
// web build's standard library lacks.
std::uint64_t bits_of(double factor) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &factor, sizeof bits);
    return bits;
}

TEST(PlugTable, HoldsTheFivePlugsInChooserOrderWithExactFactorBits) {
    struct expected_plug {
        std::string_view name;
        std::uint64_t bits;
    };
    constexpr expected_plug expected[] = {
        {"tvex", 0x3FECCCCCCCCCCCCC},      {"morlu", 0x3FE7FFFFFFFFFFFF},
        {"kasprel", 0x3FF4CCCCCCCCCCCC},   {"ulvo", 0x3FF0000000000000},
        {"vietnamci", 0x3FF0000000000000},
    };
    ASSERT_EQ(plug_table.size(), std::size(expected));
    for (std::size_t i = 0; i < plug_table.size(); ++i) {
        EXPECT_EQ(plug_table[i].name, expected[i].name) << "entry " << i;
        EXPECT_EQ(bits_of(plug_table[i].factor), expected[i].bits) << plug_table[i].name;
    }
}

TEST(PlugTable, FractionalFactorsLieOneUnitBelowTheirDecimalLookalikes) {
    EXPECT_EQ(std::nextafter(*plug_factor("tvex"), 1.0), 0.9);
    EXPECT_EQ(std::nextafter(*plug_factor("morlu"), 1.0), 0.75);
    EXPECT_EQ(std::nextafter(*plug_factor("kasprel"), 2.0), 1.3);
}

TEST(PlugFactor, FindsEveryPlugByItsExactName) {
    for (const plug& entry : plug_table)
        EXPECT_EQ(plug_factor(entry.name), entry.factor) << entry.name;
}

class UnknownPlugName : public testing::TestWithParam<std::string> {};

TEST_P(UnknownPlugName, HasNoFactor) {
    EXPECT_EQ(plug_factor(GetParam()), std::nullopt) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(Names, UnknownPlugName,
                         testing::Values("", "select plug", "smack", "Tvex", "TVEX", " tvex",
                                         "tvex ", "tvex\t", "tve", "tvexx", "Vietnamci",
                                         std::string("tvex\0", 5)));

TEST(WarningPlug, IsTheLastPlugAndWarnsWithItsOwnTitle) {
    EXPECT_EQ(warning_plug_name, "vietnamci");
    EXPECT_EQ(plug_factor(warning_plug_name), 1.0);
    EXPECT_EQ(warning_plug_message(),
              (message_box{"budou to mordy skera tak ara", message_style::exclamation, "Warning"}));
}

TEST(ExtraPlug, IsNotInTheTable) {
    EXPECT_EQ(extra_plug_name, "smack");
    EXPECT_EQ(plug_factor(extra_plug_name), std::nullopt);
}

} // namespace
} // namespace quillmar
