#include "window/main_controller.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace quillmar {
namespace {

// Stands in for the window: holds the controls' texts and records every effect in order.
class recording_view : public main_view {
public:
    std::string plug = "select plug";
    std::string amount;
    std::string result;
    std::string caption = "Calculate";
    std::vector<std::string> list;
    std::vector<std::string> effects;
    // Runs while a message is shown, as the user could change the chooser meanwhile.
    std::function<void()> while_message_shown;

    [[nodiscard]] std::string plug_text() const override { return plug; }
    [[nodiscard]] std::string amount_text() const override { return amount; }
    void set_result_text(const std::string& text) override {
        result = text;
        effects.push_back("result \"" + text + "\"");
    }
    void set_calculate_caption(const std::string& text) override {
        caption = text;
        effects.push_back("caption \"" + text + "\"");
    }
    void append_plug(const std::string& name) override {
        list.push_back(name);
        effects.push_back("append \"" + name + "\"");
    }
    void show_message(const message_box& message) override {
        effects.push_back("message \"" + message.prompt + "\" titled \"" + shown_title(message) +
                          "\" style " + std::to_string(static_cast<int>(message.style)));
        if (while_message_shown)
            while_message_shown();
    }

    // The effects since the last call.
    std::vector<std::string> take_effects() { return std::exchange(effects, {}); }
};

using effects = std::vector<std::string>;

const std::string warning = R"(message "budou to mordy skera tak ara" titled "Warning" style 48)";
const std::string invalid_amount =
    R"(message "Please enter a valid numeric amount." titled "Invalid Input" style 48)";
const std::string select_a_plug = R"(message "Please select a plug." titled "Quillmar95" style 0)";
const std::string overflow = R"(message "Overflow" titled "Quillmar95" style 16)";
const std::string about =
    R"(message "Made by Orvane Enterprise" titled "About Quillmar95" style 64)";
const std::string unlocked = R"(message "smack unlocked" titled "huleni" style 64)";

class MainController : public testing::Test {
protected:
    MainController() {
        controller.Form_Load();
        view.take_effects();
    }

    // Picks an entry of the list, as a click in the open list would.
    void pick(const std::string& name) {
        view.plug = name;
        controller.select_plug_Click();
    }

    void calculate(const std::string& plug, const std::string& amount) {
        view.plug = plug;
        view.amount = amount;
        controller.Calculate_btn_Click();
    }

    recording_view view;
    main_controller controller{view, decimal_separator::point};
};

TEST(MainControllerLoad, FillsTheListInTableOrderAndChangesNothingElse) {
    recording_view view;
    main_controller controller(view, decimal_separator::point);
    controller.Form_Load();
    EXPECT_EQ(view.take_effects(),
              (effects{R"(append "tvex")", R"(append "morlu")", R"(append "kasprel")",
                       R"(append "ulvo")", R"(append "vietnamci")"}));
    EXPECT_EQ(view.plug, "select plug");
}

TEST_F(MainController, LoadingAgainStartsTheAboutCountAgain) {
    for (int press = 1; press <= 3; ++press)
        controller.About_btn_Click();
    controller.Form_Load();
    for (int press = 1; press <= 4; ++press)
        controller.About_btn_Click();
    EXPECT_EQ(std::count(view.list.begin(), view.list.end(), "smack"), 0);
    controller.About_btn_Click();
    EXPECT_EQ(view.list.back(), "smack");
}

// What counts is the chooser's text once the warning is gone, not the text that warned.
TEST_F(MainController, TheChooserIsReadAgainAfterTheWarning) {
    view.while_message_shown = [this] { view.plug = "smack"; };
    calculate("smack", "");
    view.take_effects();
    pick("vietnamci");
    EXPECT_EQ(view.take_effects(), effects{warning});
    EXPECT_EQ(view.caption, "NERES");

    view.while_message_shown = [this] { view.plug = "tvex"; };
    pick("vietnamci");
    EXPECT_EQ(view.take_effects(), (effects{warning, R"(caption "Calculate")", R"(result "")"}));
}

TEST_F(MainController, ACommaUserTypesEitherSeparatorAndReadsAComma) {
    main_controller comma_controller(view, decimal_separator::comma);
    for (const char* amount : {"1,5", "1.5"}) {
        view.plug = "kasprel";
        view.amount = amount;
        comma_controller.Calculate_btn_Click();
        EXPECT_EQ(view.take_effects(), effects{R"(result "1,95g")"}) << amount;
    }
}

TEST_F(MainController, PickingTheWarningPlugWarnsBeforeResettingCaptionAndResult) {
    pick("vietnamci");
    EXPECT_EQ(view.take_effects(), (effects{warning, R"(caption "Calculate")", R"(result "")"}));
}

TEST_F(MainController, PickingAnOrdinaryPlugResetsCaptionThenEmptiesResult) {
    for (const char* name : {"tvex", "morlu", "kasprel", "ulvo"}) {
        pick(name);
        EXPECT_EQ(view.take_effects(), (effects{R"(caption "Calculate")", R"(result "")"})) << name;
    }
}

TEST_F(MainController, PickingSmackAfterAResultChangesNothing) {
    calculate("tvex", "10");
    view.take_effects();
    pick("smack");
    EXPECT_EQ(view.take_effects(), effects{});
    EXPECT_EQ(view.result, "9.00g");
    EXPECT_EQ(view.caption, "Calculate");
}

struct press_case {
    std::string plug;
    std::string amount;
    effects expected;
};

void PrintTo(const press_case& c, std::ostream* out) {
    *out << '"' << c.plug << "\" with \"" << c.amount << '"';
}

class CalculatePress : public MainController, public testing::WithParamInterface<press_case> {};

TEST_P(CalculatePress, HasExactlyTheseEffects) {
    calculate(GetParam().plug, GetParam().amount);
    EXPECT_EQ(view.take_effects(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CalculatePress,
    testing::Values(press_case{"tvex", "10", {R"(result "9.00g")"}},
                    press_case{"tvex", "-4", {R"(result "-3.60g")"}},
                    press_case{"smack", "", {R"(result "infinite")", R"(caption "NERES")"}},
                    // At start: the chooser shows "select plug" and the amount box is empty.
                    press_case{"select plug", "", {invalid_amount}},
                    press_case{"select plug", "10", {select_a_plug}},
                    press_case{"Tvex", "10", {select_a_plug}},
                    press_case{"kasprel", "1.5e308", {overflow}},
                    press_case{
                        "ulvo", "1.5e308", {"result \"15" + std::string(307, '0') + ".00g\""}}));

TEST_F(MainController, OverflowChangesNoControlAndTheWindowGoesOn) {
    calculate("kasprel", "10");
    calculate("kasprel", "1.5e308");
    EXPECT_EQ(view.result, "13.00g");
    EXPECT_EQ(view.caption, "Calculate");
    view.take_effects();
    calculate("kasprel", "1");
    EXPECT_EQ(view.take_effects(), effects{R"(result "1.30g")"});
}

TEST_F(MainController, NeresLastsUntilAnotherPlugIsPicked) {
    calculate("smack", "");
    EXPECT_EQ(view.caption, "NERES");
    EXPECT_EQ(view.result, "infinite");

    // Typing a plug's name is not picking it: the caption stays.
    calculate("tvex", "10");
    EXPECT_EQ(view.result, "9.00g");
    EXPECT_EQ(view.caption, "NERES");

    pick("tvex");
    EXPECT_EQ(view.caption, "Calculate");
    EXPECT_EQ(view.result, "");
}

TEST_F(MainController, AboutPressesOneToFourShowOnlyTheAboutMessage) {
    for (int press = 1; press <= 4; ++press) {
        controller.About_btn_Click();
        EXPECT_EQ(view.take_effects(), effects{about}) << "press " << press;
    }
    EXPECT_EQ(view.list.size(), 5u);
}

TEST_F(MainController, FifthAboutPressAppendsSmackBetweenItsTwoMessages) {
    for (int press = 1; press <= 4; ++press)
        controller.About_btn_Click();
    view.take_effects();
    controller.About_btn_Click();
    EXPECT_EQ(view.take_effects(), (effects{about, R"(append "smack")", unlocked}));
    EXPECT_EQ(view.list,
              (std::vector<std::string>{"tvex", "morlu", "kasprel", "ulvo", "vietnamci", "smack"}));

    for (int press = 6; press <= 9; ++press) {
        controller.About_btn_Click();
        EXPECT_EQ(view.take_effects(), effects{unlocked}) << "press " << press;
    }
    EXPECT_EQ(view.list.size(), 6u);
}

TEST_F(MainController, CalculateAndPicksBetweenAboutPressesDoNotChangeTheCount) {
    controller.About_btn_Click();
    controller.About_btn_Click();
    calculate("tvex", "10");
    pick("vietnamci");
    calculate("smack", "");
    controller.About_btn_Click();
    controller.About_btn_Click();
    view.take_effects();
    controller.About_btn_Click();
    EXPECT_EQ(view.take_effects(), (effects{about, R"(append "smack")", unlocked}));
}

TEST_F(MainController, SmackTypedBeforeTheUnlockStillCalculates) {
    ASSERT_EQ(view.list.size(), 5u); // still locked
    calculate("smack", "abc");
    EXPECT_EQ(view.take_effects(), (effects{R"(result "infinite")", R"(caption "NERES")"}));
}

} // namespace
} // namespace quillmar
