#include "conversion/calculate.h"
#include "conversion/plug_table.h"
#include "platform/program_error.h"

#include <gtest/gtest.h>
#include <string>

namespace quillmar {
namespace {

struct calc_case {
    std::string plug;
    std::string amount;
    calc_outcome outcome;
    decimal_separator separator = decimal_separator::point;
};

void PrintTo(const calc_case& c, std::ostream* out) {
    *out << '"' << c.plug << "\" with \"" << c.amount.substr(0, 40) << "\" and '"
         << to_char(c.separator) << '\'';
}

class Calculate : public testing::TestWithParam<calc_case> {};

TEST_P(Calculate, GivesTheOutcome) {
    EXPECT_EQ(calculate(GetParam().plug, GetParam().amount, GetParam().separator),
              GetParam().outcome);
}

calc_outcome shows(std::string text) {
    return outcome::result{std::move(text)};
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, Calculate,
    testing::Values(
        calc_case{"tvex", "10", shows("9.00g")}, calc_case{"morlu", "10", shows("7.50g")},
        calc_case{"kasprel", "10", shows("13.00g")}, calc_case{"ulvo", "10", shows("10.00g")},
        calc_case{"vietnamci", "10", shows("10.00g")}, calc_case{"tvex", "-4", shows("-3.60g")},
        calc_case{"morlu", "2.5", shows("1.88g")}, calc_case{"ulvo", "0.125", shows("0.13g")},
        calc_case{"ulvo", "1.005", shows("1.01g")}, calc_case{"tvex", " 10\t", shows("9.00g")},
        calc_case{"kasprel", "1e3", shows("1300.00g")}, calc_case{"ulvo", "-0", shows("0.00g")},
        calc_case{"tvex", "-0.001", shows("-0.00g")}, calc_case{"ulvo", "1e-400", shows("0.00g")},
        calc_case{"ulvo", "1.5e308", shows("15" + std::string(307, '0') + ".00g")}));

INSTANTIATE_TEST_SUITE_P(ZeroForEveryPlug, Calculate,
                         testing::Values(calc_case{"tvex", "0", shows("0.00g")},
                                         calc_case{"morlu", "0", shows("0.00g")},
                                         calc_case{"kasprel", "0", shows("0.00g")},
                                         calc_case{"ulvo", "0", shows("0.00g")},
                                         calc_case{"vietnamci", "0", shows("0.00g")}));

// A user whose separator is the comma types either separator and reads results with a comma;
// grouping stays a bad amount.
constexpr decimal_separator comma = decimal_separator::comma;
INSTANTIATE_TEST_SUITE_P(
    CommaLocale, Calculate,
    testing::Values(calc_case{"kasprel", "10", shows("13,00g"), comma},
                    calc_case{"morlu", "2,5", shows("1,88g"), comma},
                    calc_case{"morlu", "2.5", shows("1,88g"), comma},
                    calc_case{"tvex", "-0,001", shows("-0,00g"), comma},
                    calc_case{"ulvo", "0", shows("0,00g"), comma},
                    calc_case{"kasprel", "1.000,50", outcome::bad_amount{}, comma},
                    calc_case{"kasprel", "1,000.50", outcome::bad_amount{}, comma},
                    calc_case{"nonsense", "1,5", outcome::no_plug{}, comma},
                    calc_case{"smack", "1,5", outcome::extra{}, comma}));

// The hidden plug is checked before anything else: the amount is not looked at.
INSTANTIATE_TEST_SUITE_P(ExtraPlug, Calculate,
                         testing::Values(calc_case{"smack", "", outcome::extra{}},
                                         calc_case{"smack", "abc", outcome::extra{}},
                                         calc_case{"smack", "10", outcome::extra{}},
                                         calc_case{"smack", "1e400", outcome::extra{}}));

// A bad amount is reported before the plug is looked at.
INSTANTIATE_TEST_SUITE_P(BadAmount, Calculate,
                         testing::Values(calc_case{"select plug", "", outcome::bad_amount{}},
                                         calc_case{"nonsense", "abc", outcome::bad_amount{}},
                                         calc_case{"tvex", "", outcome::bad_amount{}},
                                         calc_case{"tvex", "1,5", outcome::bad_amount{}},
                                         calc_case{"kasprel", "1e400", outcome::bad_amount{}},
                                         calc_case{"Smack", "", outcome::bad_amount{}},
                                         calc_case{" smack", "x", outcome::bad_amount{}}));

INSTANTIATE_TEST_SUITE_P(NoPlug, Calculate,
                         testing::Values(calc_case{"select plug", "10", outcome::no_plug{}},
                                         calc_case{"", "10", outcome::no_plug{}},
                                         calc_case{"Tvex", "10", outcome::no_plug{}},
                                         calc_case{" tvex", "10", outcome::no_plug{}},
                                         calc_case{"tvex ", "10", outcome::no_plug{}},
                                         calc_case{"SMACK", "10", outcome::no_plug{}},
                                         calc_case{"smack ", "10", outcome::no_plug{}}));

TEST(CalcOutcome, CarriesTheExactTextsOfEachOutcome) {
    const outcome::extra extra;
    EXPECT_EQ(extra.result_text, "infinite");
    EXPECT_EQ(extra.calculate_caption, "NERES");

    EXPECT_EQ(outcome::bad_amount{}.message,
              (message_box{"Please enter a valid numeric amount.", message_style::exclamation,
                           "Invalid Input"}));
    const message_box no_plug = outcome::no_plug{}.message;
    EXPECT_EQ(no_plug, (message_box{"Please select a plug.", message_style::plain, std::nullopt}));
    EXPECT_EQ(shown_title(no_plug), "Quillmar95");
}

TEST(Calculate, ProductBeyondTheDoubleRangeRaisesOverflow) {
    for (const auto& [plug, amount] :
         {std::pair{"kasprel", "1.5e308"}, std::pair{"kasprel", "-1.5e308"},
          std::pair{"kasprel", "1.7976931348623157e308"}}) {
        try {
            calculate(plug, amount, decimal_separator::comma);
            ADD_FAILURE() << plug << " with " << amount << " gave an outcome";
        } catch (const arithmetic_error& error) {
            EXPECT_STREQ(error.what(), "Overflow");
        }
    }
}

TEST(Calculate, LargestAmountsThatStayInRangeGiveResults) {
    // ulvo's factor is 1, tvex's is below 1: neither can overflow.
    EXPECT_NO_THROW(calculate("ulvo", "1.7976931348623157e308", decimal_separator::point));
    EXPECT_NO_THROW(calculate("tvex", "-1,7976931348623157e308", decimal_separator::comma));
}

} // namespace
} // namespace quillmar
