// The window under a German locale, as CMake runs this program: LC_ALL=de_DE.UTF-8.
#include "found.h"
#include "german_amounts.h"
#include "platform/qt/user_locale.h"
#include "window/qt/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

TEST(MainWindowInGerman, ReadsEitherSeparatorAndWritesResultsWithAComma) {
    ASSERT_EQ(user_decimal_separator(), decimal_separator::comma);
    // Qt reads the locale's name whether or not the C library has it; the set-up generates it.
    ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "de_DE.UTF-8");

    std::vector<std::string> prompts;
    main_window window(
        [&prompts](const message_box& message) { prompts.push_back(message.prompt); });
    window.load();
    window.show();
    auto* chooser = found(window.findChild<QComboBox*>("select_plug"), "select_plug");
    auto* amount = found(window.findChild<QLineEdit*>("skera_box"), "skera_box");
    auto* result = found(window.findChild<QLineEdit*>("real_amount_box"), "real_amount_box");
    auto* calculate = found(window.findChild<QPushButton*>("Calculate_btn"), "Calculate_btn");

    QTest::keyClicks(chooser, "kasprel"); // replaces the selected "select plug"
    for (const auto& [typed, shown] : german_amounts::in_turn) {
        amount->clear();
        QTest::keyClicks(amount, typed);
        QTest::mouseClick(calculate, Qt::LeftButton);
        EXPECT_EQ(result->text(), shown) << typed;
    }
    EXPECT_EQ(prompts, std::vector<std::string>{german_amounts::refused});
}

} // namespace
} // namespace quillmar
