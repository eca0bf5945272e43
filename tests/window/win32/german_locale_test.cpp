// The Win32 window under a German locale, as CMake runs this program: LC_ALL=de_DE.UTF-8,
// which Wine takes for the user's regional settings.
#include "platform/win32/utf16.h"
#include "window/win32/main_window.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

std::string text_of(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return to_utf8(text);
}

TEST(Win32WindowInGerman, ReadsEitherSeparatorAndWritesResultsWithAComma) {
    wchar_t separator[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    ASSERT_EQ(std::wstring(separator), L",");

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
        return text_of(control(layout::real_amount_box));
    };
    SetWindowTextW(control(layout::select_plug), L"kasprel");
    EXPECT_EQ(calculate("1,5"), "1,95g");
    EXPECT_EQ(calculate("1.5"), "1,95g");
    EXPECT_EQ(calculate("-0,001"), "-0,00g");
    EXPECT_EQ(calculate("1.000,50"), "-0,00g");
    EXPECT_EQ(prompts, std::vector<std::string>{"Please enter a valid numeric amount."});
}

} // namespace
} // namespace quillmar
