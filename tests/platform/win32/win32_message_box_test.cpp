// The real MessageBoxW, once for each kind of message: the test finds the box the window
// shows, reads its title, text, icon and button, and dismisses it. A watcher thread closes any
// box it finds whatever it read, with the box's own first button, so a failed check never
// leaves a modal box open; when it finds none, it ends the modal loop the test may wait in.
#include "platform/win32/utf16.h"
#include "platform/win32/win32_message_box.h"

#include <windows.h>

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace quillmar {
namespace {

std::wstring text_of(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring class_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK note_visible_dialog(HWND window, LPARAM found) {
    if (class_of(window) != L"#32770" || IsWindowVisible(window) == FALSE)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// What the watcher read of the box.
struct seen_box {
    bool found = false;
    bool modal_to_owner = false; // the owner was disabled while the box was up
    std::wstring title;
    std::wstring prompt;
    HICON icon = nullptr;
    std::vector<std::wstring> buttons;
};

// Waits for the dialog box of thread, reads it and presses its first button, which ends a box
// of any buttons. A box that has not come within the wait must not keep the test waiting when
// it comes later: a quit message ends any modal loop of the thread, which then fails its check.
seen_box read_and_dismiss(DWORD thread, HWND owner) {
    seen_box seen;
    HWND box = nullptr;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (box == nullptr && std::chrono::steady_clock::now() < give_up) {
        EnumThreadWindows(thread, &note_visible_dialog, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (box == nullptr) {
        PostThreadMessageW(thread, WM_QUIT, 0, 0);
        return seen;
    }
    seen.found = true;
    seen.modal_to_owner = owner == nullptr || IsWindowEnabled(owner) == FALSE;
    seen.title = text_of(box);
    int first_button = IDOK;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (class_of(child) == L"Button" && seen.buttons.empty())
            first_button = GetDlgCtrlID(child);
        if (class_of(child) == L"Button")
            seen.buttons.push_back(text_of(child));
        else if (class_of(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON)
            seen.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        else if (class_of(child) == L"Static" && !text_of(child).empty())
            seen.prompt = text_of(child);
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(first_button, BN_CLICKED), 0);
    return seen;
}

seen_box show_and_read(const message_box& message, HWND owner) {
    auto watcher = std::async(std::launch::async, read_and_dismiss, GetCurrentThreadId(), owner);
    show_win32_message_box(message, owner);
    return watcher.get();
}

struct box_case {
    message_box message;
    const wchar_t* title;
    LPCWSTR icon; // a system icon, or none
};

void PrintTo(const box_case& c, std::ostream* out) {
    *out << '"' << c.message.prompt << "\" titled \"" << to_utf8(c.title) << '"';
}

class Win32MessageBox : public testing::TestWithParam<box_case> {};

TEST_P(Win32MessageBox, ShowsTitlePromptIconAndOnlyOkOverItsOwner) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const seen_box seen = show_and_read(GetParam().message, owner);
    ASSERT_TRUE(seen.found) << "no message box appeared";
    EXPECT_TRUE(seen.modal_to_owner);
    EXPECT_EQ(seen.title, GetParam().title);
    EXPECT_EQ(seen.prompt, to_utf16(GetParam().message.prompt));
    EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
    const HICON expected =
        GetParam().icon == nullptr ? nullptr : LoadIconW(nullptr, GetParam().icon);
    EXPECT_EQ(seen.icon, expected);
    EXPECT_NE(IsWindowEnabled(owner), FALSE) << "the owner stayed disabled";
    DestroyWindow(owner);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, Win32MessageBox,
    testing::Values(
        box_case{
            {"Please select a plug.", message_style::plain, std::nullopt}, L"Quillmar95", nullptr},
        box_case{{"budou to mordy skera tak ara", message_style::exclamation, "Warning"},
                 L"Warning",
                 IDI_WARNING},
        box_case{
            {"smack unlocked", message_style::information, "huleni"}, L"huleni", IDI_INFORMATION},
        box_case{{"Overflow", message_style::critical, std::nullopt}, L"Quillmar95", IDI_ERROR},
        // UTF-8 inside the program, UTF-16 on the screen
        box_case{{"\xc4\x8d\xc3\xa1stka \xe2\x82\xac", message_style::plain, "\xc5\xbe"},
                 L"\u017e",
                 nullptr}));

} // namespace
} // namespace quillmar
