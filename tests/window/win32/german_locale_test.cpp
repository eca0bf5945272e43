// The Win32 window under a German locale, as CMake runs this program: LC_ALL=de_DE.UTF-8,
// which Wine takes for the user's regional settings.
#include "german_amounts.h"
#include "platform/win32/user_locale.h"
#include "platform/win32/utf16.h"
#include "platform/win32/window_text.h"
#include "window/win32/main_window.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

TEST(Win32WindowInGerman, ReadsEitherSeparatorAndWritesResultsWithAComma) {
    ASSERT_EQ(user_decimal_separator(), decimal_separator::comma);

    std::vector<std::string> prompts;
    main_window window(GetModuleHandleW(nullptr), [&prompts](const message_box& message) {
        prompts.push_back(message.prompt);
    });
    ASSERT_NE(window.handle(), nullptr);
    window.load();
    const auto control = [&window](const layout::control_layout& which) {
        return GetDlgItem(window.handle(), main_window::control_id(which));
    };
    const auto calculate = [&](const char* amount) {
        SetWindowTextW(control(layout::skera_box), to_utf16(amount).c_str());
        SendMessageW(control(layout::calculate_btn), BM_CLICK, 0, 0);
        return window_text_utf8(control(layout::real_amount_box));
    };
    SetWindowTextW(control(layout::select_plug), L"kasprel");
    for (const auto& [amount, shown] : german_amounts::in_turn)
        EXPECT_EQ(calculate(amount), shown) << amount;
    EXPECT_EQ(prompts, std::vector<std::string>{german_amounts::refused});
}

} // namespace
} // namespace quillmar
