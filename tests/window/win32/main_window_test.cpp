// Drives the real Win32 window with the messages its keys and clicks make, through the same
// dialog-key step as the program's message loop. Messages go to a recorder instead of a modal
// box, together with what the window showed at that moment.
#include "platform/win32/system_error_text.h"
#include "platform/win32/utf16.h"
#include "platform/win32/window_text.h"
#include "window/win32/accessibility.h"
#include "window/win32/main_window.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cwchar>
#include <gtest/gtest.h>
#include <memory>
#include <oleacc.h>
#include <string>
#include <vector>

namespace quillmar {
namespace {

// A message as it was shown, with the window's state at that moment.
struct shown_message {
    message_box message;
    std::string result_text;
    std::string caption;
    bool list_open;
};

RECT rect_in_client(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LOGFONTW font_of(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

class Win32Window : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<main_window>(
            GetModuleHandleW(nullptr), [this](const message_box& message) {
                messages.push_back({message, result(), caption(),
                                    SendMessageW(chooser(), CB_GETDROPPEDSTATE, 0, 0) != 0});
            });
        ASSERT_NE(window->handle(), nullptr);
        window->load();
        window->show(SW_SHOWNORMAL);
        pump();
    }

    void TearDown() override {
        window.reset();
        pump(); // and the quit message the closed window posts
    }

    // Delivers everything queued, as the program's message loop does.
    void pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            if (message.message == WM_QUIT || (window && window->take_dialog_key(message)))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    [[nodiscard]] HWND control(const layout::control_layout& which) const {
        return GetDlgItem(window->handle(), main_window::control_id(which));
    }
    [[nodiscard]] HWND chooser() const { return control(layout::select_plug); }
    [[nodiscard]] std::string result() const {
        return window_text_utf8(control(layout::real_amount_box));
    }
    [[nodiscard]] std::string caption() const {
        return window_text_utf8(control(layout::calculate_btn));
    }

    // The control that has the keyboard focus, taking the chooser's edit field for the chooser.
    [[nodiscard]] HWND focused() const {
        HWND focus = GetFocus();
        return GetParent(focus) == chooser() ? chooser() : focus;
    }

    [[nodiscard]] std::vector<std::string> plug_list() const {
        std::vector<std::string> names;
        const auto count = SendMessageW(chooser(), CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t name[64] = {};
            SendMessageW(chooser(), CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(name));
            names.push_back(to_utf8(name));
        }
        return names;
    }

    // A key pressed and released where the focus is, with Shift held or not.
    void key(UINT virtual_key, bool shift = false, UINT down = WM_KEYDOWN) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        const LPARAM context = down == WM_SYSKEYDOWN ? (LPARAM{1} << 29) : 0;
        PostMessageW(GetFocus(), down, virtual_key, 1 | context);
        PostMessageW(GetFocus(), down + 1, virtual_key, 1 | context | (LPARAM{3} << 30));
        pump();
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    void type(const std::string& text) {
        for (const wchar_t c : to_utf16(text)) {
            PostMessageW(GetFocus(), WM_CHAR, c, 1);
            pump();
        }
    }

    // Replaces the text of a box or the chooser as a user does: focus, select all, type.
    void retype(HWND box, const std::string& text) {
        SetFocus(box);
        HWND edit = GetFocus();
        SendMessageW(edit, EM_SETSEL, 0, -1);
        PostMessageW(edit, WM_KEYDOWN, VK_DELETE, 1);
        pump();
        type(text);
    }

    void click(HWND button) {
        PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        pump();
    }

    // Opens the chooser's list with F4, moves to the entry and picks it with Return.
    void pick_with_keys(const std::string& name) {
        SetFocus(chooser());
        key(VK_F4);
        EXPECT_NE(SendMessageW(chooser(), CB_GETDROPPEDSTATE, 0, 0), 0) << "F4 opened no list";
        const auto wanted = SendMessageW(chooser(), CB_FINDSTRINGEXACT, WPARAM(-1),
                                         reinterpret_cast<LPARAM>(to_utf16(name).c_str()));
        ASSERT_NE(wanted, CB_ERR) << name;
        key(VK_HOME);
        for (LRESULT i = 0; i < wanted; ++i)
            key(VK_DOWN);
        key(VK_RETURN);
    }

    // Opens the list and clicks the entry in it.
    void pick_with_mouse(const std::string& name) {
        SendMessageW(chooser(), CB_SHOWDROPDOWN, TRUE, 0);
        pump();
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        GetComboBoxInfo(chooser(), &parts);
        const auto index = SendMessageW(parts.hwndList, LB_FINDSTRINGEXACT, WPARAM(-1),
                                        reinterpret_cast<LPARAM>(to_utf16(name).c_str()));
        ASSERT_NE(index, LB_ERR) << name;
        RECT entry{};
        SendMessageW(parts.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&entry));
        const LPARAM at =
            MAKELPARAM((entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
        SendMessageW(parts.hwndList, WM_MOUSEMOVE, 0, at);
        SendMessageW(parts.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(parts.hwndList, WM_LBUTTONUP, 0, at);
        pump();
    }

    void calculate(const std::string& plug, const std::string& amount) {
        retype(chooser(), plug);
        retype(control(layout::skera_box), amount);
        click(control(layout::calculate_btn));
    }

    [[nodiscard]] std::vector<std::string> prompts() const {
        std::vector<std::string> all;
        for (const shown_message& shown : messages)
            // cppcheck-suppress useStlAlgorithm ; plainer than a transform's lambda
            all.push_back(shown.message.prompt);
        return all;
    }

    std::unique_ptr<main_window> window;
    std::vector<shown_message> messages;
};

TEST_F(Win32Window, StartsWithItsTitleTextsAndFilledList) {
    EXPECT_EQ(window_text_utf8(window->handle()), "Quillmar95");
    EXPECT_EQ(window_text_utf8(chooser()), "select plug");
    EXPECT_EQ(plug_list(),
              (std::vector<std::string>{"tvex", "morlu", "kasprel", "ulvo", "vietnamci"}));
    EXPECT_EQ(SendMessageW(chooser(), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(window_text_utf8(control(layout::skera_box)), "");
    EXPECT_EQ(result(), "");
    EXPECT_EQ(caption(), "Calculate");
    EXPECT_EQ(window_text_utf8(control(layout::amount_label)), "Enter Amount");
    EXPECT_EQ(window_text_utf8(control(layout::result_label)), "Real Amount");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Win32Window, IsAFixedSizeWindowThatCanBeMinimizedOnly) {
    const LONG style = GetWindowLongW(window->handle(), GWL_STYLE);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_NE(GetWindowLongW(control(layout::real_amount_box), GWL_STYLE) & ES_READONLY, 0);
}

// Every place at a screen's dots per inch: the client area, each control's rectangle, and its
// bold font's character height (8.25 pt is 11 pixels at 96 dpi).
void expect_layout_at(HWND window, UINT dpi, const std::vector<std::pair<HWND, RECT>>& places,
                      const std::vector<std::pair<HWND, LONG>>& heights) {
    RECT client{};
    GetClientRect(window, &client);
    // 5445 x 5670 twips, rounded down as every place is
    EXPECT_EQ(client.right, 5445 * static_cast<int>(dpi) / 1440) << dpi << " dpi";
    EXPECT_EQ(client.bottom, 5670 * static_cast<int>(dpi) / 1440) << dpi << " dpi";
    for (const auto& [control, expected] : places) {
        const RECT r = rect_in_client(control);
        EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  std::vector<LONG>({expected.left, expected.top, expected.right, expected.bottom}))
            << window_text_utf8(control) << " at " << dpi << " dpi";
    }
    for (const auto& [control, height] : heights) {
        const LOGFONTW font = font_of(control);
        EXPECT_EQ(font.lfHeight, -height) << window_text_utf8(control) << " at " << dpi << " dpi";
        EXPECT_EQ(font.lfWeight, FW_BOLD);
        // What the screen draws with: a scalable, bold font of that character height.
        HDC dc = GetDC(control);
        const HGDIOBJ before =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        TEXTMETRICW drawn{};
        GetTextMetricsW(dc, &drawn);
        SelectObject(dc, before);
        ReleaseDC(control, dc);
        EXPECT_NEAR(drawn.tmHeight - drawn.tmInternalLeading, height, 1)
            << window_text_utf8(control);
        EXPECT_GE(drawn.tmWeight, FW_BOLD) << window_text_utf8(control);
        EXPECT_NE(drawn.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE), 0)
            << window_text_utf8(control);
    }
}

TEST_F(Win32Window, PlacesEveryControlAt96And144DotsPerInch) {
    ASSERT_EQ(GetDpiForWindow(window->handle()), 96U) << "the tests' screen is at 96 dpi";
    // Rectangles as left, top, width, height.
    expect_layout_at(window->handle(), 96,
                     {{control(layout::title_text), {112, 8, 145, 25}},
                      {chooser(), {120, 72, 121, 21}},
                      {control(layout::skera_box), {120, 144, 121, 25}},
                      {control(layout::real_amount_box), {144, 312, 73, 33}},
                      {control(layout::calculate_btn), {120, 224, 121, 41}},
                      {control(layout::amount_label), {134, 120, 93, 16}},
                      {control(layout::result_label), {137, 288, 91, 16}},
                      {control(layout::about_btn), {280, 344, 73, 25}}},
                     {{control(layout::title_text), 24},
                      {chooser(), 11},
                      {control(layout::skera_box), 13},
                      {control(layout::real_amount_box), 16},
                      {control(layout::about_btn), 11}});

    // Moved to a monitor at 150 %.
    RECT suggested{40, 30, 40 + 600, 30 + 600};
    SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    pump();
    RECT frame{};
    GetWindowRect(window->handle(), &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    expect_layout_at(
        window->handle(), 144,
        {{control(layout::title_text), {168, 12, 217, 37}},
         {chooser(), {180, 108, 181, 31}},
         {control(layout::skera_box), {180, 216, 181, 37}},
         {control(layout::real_amount_box), {216, 468, 109, 49}},
         {control(layout::calculate_btn), {180, 336, 181, 61}},
         {control(layout::about_btn), {420, 516, 109, 37}}},
        {{control(layout::title_text), 36}, {chooser(), 17}, {control(layout::calculate_btn), 24}});
}

// The colour of the pixel at x, y of the window's client area, as it is on the screen.
COLORREF pixel_at(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// Whether any pixel of a control's rectangle in the client area has the colour.
bool shows_colour(HWND window, HWND control, COLORREF colour) {
    const RECT r = rect_in_client(control);
    HDC dc = GetDC(window);
    bool found = false;
    for (LONG y = r.top; y < r.bottom && !found; ++y)
        for (LONG x = r.left; x < r.right && !found; ++x)
            found = GetPixel(dc, x, y) == colour;
    ReleaseDC(window, dc);
    return found;
}

TEST_F(Win32Window, PaintsADarkGreenGroundWhiteBoxLabelsAndATitleInTheWindowColour) {
    RedrawWindow(window->handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const COLORREF green = RGB(0, 64, 0);
    EXPECT_EQ(pixel_at(window->handle(), 2, 2), green);
    EXPECT_EQ(pixel_at(window->handle(), 360, 200), green);
    for (const auto* label : {&layout::amount_label, &layout::result_label}) {
        // Green behind the text and white text, nothing of the labels' own ground.
        const RECT r = rect_in_client(control(*label));
        EXPECT_EQ(pixel_at(window->handle(), r.left, r.top), green) << label->text;
        EXPECT_TRUE(shows_colour(window->handle(), control(*label), RGB(255, 255, 255)))
            << label->text;
    }
    const RECT title = rect_in_client(control(layout::title_text));
    EXPECT_EQ(pixel_at(window->handle(), title.left, title.top), green);
    EXPECT_TRUE(
        shows_colour(window->handle(), control(layout::title_text), GetSysColor(COLOR_WINDOW)));
}

// Under a dark or high-contrast scheme the colour for window backgrounds is dark, and so
// unreadable on the green: the title is drawn white there.
TEST_F(Win32Window, DrawsTheTitleWhiteWhereTheSystemsColourWouldNotRead) {
    struct restore_colour {
        COLORREF window_colour = GetSysColor(COLOR_WINDOW);
        ~restore_colour() {
            const INT element = COLOR_WINDOW;
            SetSysColors(1, &element, &window_colour);
        }
    } const restore;
    const auto title_shows = [this](COLORREF window_colour, COLORREF expected) {
        const INT element = COLOR_WINDOW;
        SetSysColors(1, &element, &window_colour);
        pump();
        RedrawWindow(window->handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return shows_colour(window->handle(), control(layout::title_text), expected);
    };
    const COLORREF tint = RGB(255, 255, 224);
    const COLORREF dark = RGB(0x2d, 0x2d, 0x2d);
    EXPECT_TRUE(title_shows(tint, tint));
    EXPECT_TRUE(title_shows(dark, RGB(255, 255, 255)));
    EXPECT_FALSE(shows_colour(window->handle(), control(layout::title_text), dark));
}

TEST_F(Win32Window, StartsWithTheFocusInTheChooserAndItsTextSelected) {
    EXPECT_EQ(focused(), chooser());
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0U);
    EXPECT_EQ(end, 11U); // "select plug"
    type("kasprel");
    EXPECT_EQ(window_text_utf8(chooser()), "kasprel");
}

TEST_F(Win32Window, GivesTheFocusBackToItsControlWhenActivatedAgain) {
    SetFocus(window->handle()); // as activating the window does
    EXPECT_EQ(focused(), chooser());
    SetFocus(control(layout::skera_box));
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    SetActiveWindow(window->handle());
    pump();
    EXPECT_EQ(focused(), control(layout::skera_box));
    DestroyWindow(other);
}

TEST_F(Win32Window, TabAndShiftTabFollowTheTabOrder) {
    const std::vector<HWND> order{chooser(), control(layout::skera_box),
                                  control(layout::real_amount_box), control(layout::calculate_btn),
                                  control(layout::about_btn)};
    for (std::size_t i = 1; i <= order.size(); ++i) {
        key(VK_TAB);
        EXPECT_EQ(focused(), order[i % order.size()]) << "Tab number " << i;
    }
    for (std::size_t i = order.size(); i > 0; --i) {
        key(VK_TAB, true);
        EXPECT_EQ(focused(), order[i - 1])
            << "Shift+Tab back to " << window_text_utf8(order[i - 1]);
    }
}

TEST_F(Win32Window, PickingFromTheListRunsThePickOnceEvenForTheSamePlug) {
    calculate("tvex", "10");
    ASSERT_EQ(result(), "9.00g");
    pick_with_keys("vietnamci");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].message,
              (message_box{"budou to mordy skera tak ara", message_style::exclamation, "Warning"}));
    EXPECT_EQ(messages[0].result_text, "9.00g") << "the warning comes before the result clears";
    EXPECT_EQ(result(), "");
    EXPECT_EQ(window_text_utf8(chooser()), "vietnamci");
    type("x"); // the picked entry is selected, as a combo box leaves it: typing replaces it
    EXPECT_EQ(window_text_utf8(chooser()), "x") << "picked by keys";

    pick_with_mouse("vietnamci");
    ASSERT_EQ(messages.size(), 2U) << "picking the picked plug again warns again";
    EXPECT_EQ(window_text_utf8(chooser()), "vietnamci");
    type("x");
    EXPECT_EQ(window_text_utf8(chooser()), "x") << "picked by mouse";
    // The warning waits until the chooser has closed its list and its notification returned.
    EXPECT_FALSE(messages[0].list_open) << "the warning came with the list open, picked by keys";
    EXPECT_FALSE(messages[1].list_open) << "the warning came with the list open, picked by mouse";
}

TEST_F(Win32Window, ArrowKeysOnTheClosedChooserPickEachPlugInTurn) {
    calculate("ulvo", "10");
    ASSERT_EQ(result(), "10.00g");
    retype(chooser(), "select plug"); // no entry: Down starts at the first
    key(VK_DOWN);
    EXPECT_EQ(window_text_utf8(chooser()), "tvex");
    EXPECT_EQ(result(), "") << "the pick cleared the result";
    for (int i = 0; i < 6; ++i) // two past the last entry
        key(VK_DOWN);
    EXPECT_EQ(window_text_utf8(chooser()), "vietnamci");
    EXPECT_EQ(prompts(), std::vector<std::string>{"budou to mordy skera tak ara"});
    key(VK_UP);
    EXPECT_EQ(window_text_utf8(chooser()), "ulvo");
}

TEST_F(Win32Window, AltDownOpensTheListAndEscapeClosesItWithoutPickingOrClosing) {
    calculate("tvex", "10");
    SetFocus(chooser());
    key(VK_DOWN, false, WM_SYSKEYDOWN);
    EXPECT_NE(SendMessageW(chooser(), CB_GETDROPPEDSTATE, 0, 0), 0);
    key(VK_ESCAPE);
    EXPECT_EQ(SendMessageW(chooser(), CB_GETDROPPEDSTATE, 0, 0), 0);
    key(VK_ESCAPE);
    EXPECT_NE(IsWindow(window->handle()), FALSE) << "Escape closed the window";
    EXPECT_EQ(result(), "9.00g");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Win32Window, TypingAPlugNamePicksNothingButCalculatesExactly) {
    retype(chooser(), "vietnamci");
    key(VK_TAB);
    EXPECT_TRUE(messages.empty()) << "typing the warning plug warned";
    calculate("kasprel", "10");
    EXPECT_EQ(result(), "13.00g");
    calculate("Kasprel", "10");
    calculate("k\xc3\xa4sprel", "10");
    EXPECT_EQ(prompts(),
              (std::vector<std::string>{"Please select a plug.", "Please select a plug."}));
    EXPECT_EQ(result(), "13.00g");
}

TEST_F(Win32Window, ReturnCalculatesInTheAmountBoxAndNowhereElse) {
    retype(chooser(), "morlu");
    key(VK_RETURN);
    EXPECT_TRUE(messages.empty()) << "Return in the chooser did something";
    EXPECT_EQ(plug_list().size(), 5U);
    retype(control(layout::skera_box), "10");
    key(VK_RETURN);
    EXPECT_EQ(result(), "7.50g");
    SetFocus(control(layout::calculate_btn));
    key(VK_SPACE);
    EXPECT_EQ(result(), "7.50g");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Win32Window, SpacePressesTheFocusedButton) {
    SetFocus(control(layout::about_btn));
    key(VK_SPACE);
    EXPECT_EQ(prompts(), std::vector<std::string>{"Made by Orvane Enterprise"});
}

TEST_F(Win32Window, CalculateAtStartShowsOnlyTheInvalidAmountMessage) {
    click(control(layout::calculate_btn));
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].message, (message_box{"Please enter a valid numeric amount.",
                                                message_style::exclamation, "Invalid Input"}));
}

TEST_F(Win32Window, FivePressesOfAboutUnlockSmackAndASixthOnlyAnnouncesIt) {
    for (int press = 1; press <= 4; ++press)
        click(control(layout::about_btn));
    EXPECT_EQ(plug_list().size(), 5U);
    click(control(layout::about_btn));
    EXPECT_EQ(plug_list().back(), "smack");
    EXPECT_EQ(plug_list().size(), 6U);
    EXPECT_EQ(window_text_utf8(chooser()), "select plug") << "appending changed the chooser's text";
    click(control(layout::about_btn));
    EXPECT_EQ(plug_list().size(), 6U);
    std::vector<std::string> expected(5, "Made by Orvane Enterprise");
    expected.emplace_back("smack unlocked");
    expected.emplace_back("smack unlocked");
    EXPECT_EQ(prompts(), expected);
}

TEST_F(Win32Window, NeresLastsUntilAnotherPlugIsPicked) {
    calculate("smack", "");
    EXPECT_EQ(result(), "infinite");
    EXPECT_EQ(caption(), "NERES");
    calculate("tvex", "10");
    EXPECT_EQ(result(), "9.00g");
    EXPECT_EQ(caption(), "NERES") << "typing a plug is no pick";
    pick_with_keys("tvex");
    EXPECT_EQ(caption(), "Calculate");
    EXPECT_EQ(result(), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Win32Window, OverflowIsReportedAndLeavesEveryControlAsItWas) {
    calculate("ulvo", "10");
    ASSERT_EQ(result(), "10.00g");
    const std::string kept = result();
    calculate("kasprel", "1.5e308");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].message,
              (message_box{"Overflow", message_style::critical, "Quillmar95"}));
    EXPECT_EQ(result(), kept);
    EXPECT_EQ(caption(), "Calculate");
    EXPECT_EQ(window_text_utf8(chooser()), "kasprel");
}

// Closing the window destroys its controls and the result's tooltip with it. The window object
// then asks nothing of their handles, which Windows may since have given to other windows: a
// call on a destroyed handle would leave its error behind.
TEST_F(Win32Window, AsksNothingOfItsControlsOnceClosed) {
    calculate("kasprel", "10"); // the result's tooltip is made with the first result
    SendMessageW(window->handle(), WM_CLOSE, 0, 0);
    pump();
    ASSERT_EQ(window->handle(), nullptr);
    SetLastError(ERROR_SUCCESS);
    window.reset();
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
}

// Refuses to make any window, as Windows may when it runs short, for a reason the test knows.
LRESULT CALLBACK refuse_windows(int code, WPARAM wparam, LPARAM lparam) {
    if (code != HCBT_CREATEWND)
        return CallNextHookEx(nullptr, code, wparam, lparam);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 1;
}

TEST(Win32WindowStart, SaysInWindowsWordsWhyItsWindowCouldNotOpen) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, &refuse_windows, nullptr, GetCurrentThreadId());
    std::vector<message_box> shown;
    const main_window window(GetModuleHandleW(nullptr),
                             [&shown](const message_box& message) { shown.push_back(message); });
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(window.handle(), nullptr);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].prompt, "Quillmar95 could not open its window.\n\n" +
                                   system_error_text(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(shown[0].style, message_style::critical);
    EXPECT_EQ(shown_title(shown[0]), "Quillmar95");
}

// The EDIT control's own text, which EM_GETLINE reads past any WM_GETTEXT handling.
std::wstring line_text(HWND edit) {
    std::wstring line(128, L'\0');
    *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(line.size());
    line.resize(static_cast<std::size_t>(
        SendMessageW(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line.data()))));
    return line;
}

std::wstring clipboard_text() {
    std::wstring text;
    if (OpenClipboard(nullptr) == FALSE)
        return L"(the clipboard did not open)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

struct tooltip_search {
    HWND window;
    HWND tooltip = nullptr;
};

BOOL CALLBACK note_tooltip(HWND each, LPARAM state) {
    auto* search = reinterpret_cast<tooltip_search*>(state);
    wchar_t kind[32] = {};
    GetClassNameW(each, kind, 32);
    if (std::wstring(kind) == TOOLTIPS_CLASSW && GetWindow(each, GW_OWNER) == search->window)
        search->tooltip = each;
    return search->tooltip == nullptr ? TRUE : FALSE;
}

// The tooltip the window shows over a control.
std::wstring tooltip_text(HWND window, HWND control) {
    tooltip_search found{window};
    EnumThreadWindows(GetCurrentThreadId(), &note_tooltip, reinterpret_cast<LPARAM>(&found));
    if (found.tooltip == nullptr)
        return L"(no tooltip)";
    std::wstring text(128, L'\0');
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(found.tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(std::wcslen(text.c_str()));
    return text;
}

// Every result from 5 to 40 characters is held whole by the box, whatever it draws: its text,
// its one line, its selection, what is copied from it and its tooltip. Its font is the largest
// from 12 points down at which the result fits, or 7 points.
TEST_F(Win32Window, HoldsEveryResultWholeInAFontThatFitsItDownTo7Points) {
    HWND box = control(layout::real_amount_box);
    for (int zeros = 0; zeros <= 35; ++zeros) {
        calculate("kasprel", "1e" + std::to_string(zeros));
        // 1.30g, 13.00g, 130.00g...: each power of ten adds a character.
        const std::wstring whole =
            zeros == 0 ? L"1.30g" : L"13" + std::wstring(zeros - 1, L'0') + L".00g";
        const std::string at = to_utf8(whole);
        ASSERT_EQ(to_utf16(result()), whole);
        EXPECT_EQ(line_text(box), whole);
        SendMessageW(box, EM_SETSEL, 0, -1);
        DWORD end = 0;
        SendMessageW(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end, whole.size()) << at;
        SendMessageW(box, WM_COPY, 0, 0);
        EXPECT_EQ(clipboard_text(), whole);
        EXPECT_EQ(tooltip_text(window->handle(), box), whole);

        const double points = -font_of(box).lfHeight * 72.0 / 96;
        EXPECT_GE(points, zeros == 0 ? 11.5 : 6.5) << at;
        EXPECT_LE(points, 12.5) << at;
        // Above 7 points the whole result fits, with the caret's pixel, in the text area.
        RECT area{};
        SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        HDC dc = GetDC(box);
        const HGDIOBJ before =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, whole.c_str(), static_cast<int>(whole.size()), &extent);
        SelectObject(dc, before);
        ReleaseDC(box, dc);
        if (points > 7.5) {
            EXPECT_LT(extent.cx, area.right - area.left) << at << " at " << points << " points";
        }
    }
}

// The colours of a control's client area as the screen shows them, row by row.
std::vector<COLORREF> pixels_of(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    std::vector<COLORREF> pixels;
    for (LONG y = 0; y < client.bottom; ++y)
        for (LONG x = 0; x < client.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(control, dc);
    return pixels;
}

// A result too long even at 7 points is drawn as its beginning and "…" by the toolkit's own
// ellipsis while the box has no focus; with the focus it is the EDIT control's own drawing.
TEST_F(Win32Window, DrawsAResultTooLongAt7PointsWithTheToolkitsEllipsisUnlessFocused) {
    HWND box = control(layout::real_amount_box);
    calculate("ulvo", "1e20");
    ASSERT_EQ(result(), "100000000000000000000.00g");
    ASSERT_EQ(font_of(box).lfHeight, -9) << "7 points at 96 dpi";
    SetFocus(control(layout::calculate_btn));
    const auto redrawn = [box] {
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return pixels_of(box);
    };
    const std::vector<COLORREF> drawn = redrawn();

    // DrawTextW's end ellipsis over the box: in its font and text area, on the ground and in
    // the colours the window gives a read-only EDIT control.
    HDC dc = GetDC(box);
    RECT client{};
    GetClientRect(box, &client);
    FillRect(dc, &client,
             reinterpret_cast<HBRUSH>(SendMessageW(window->handle(), WM_CTLCOLORSTATIC,
                                                   reinterpret_cast<WPARAM>(dc),
                                                   reinterpret_cast<LPARAM>(box))));
    RECT area{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    const std::wstring whole = to_utf16(result());
    DrawTextW(dc, whole.c_str(), static_cast<int>(whole.size()), &area,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    ReleaseDC(box, dc);
    const std::vector<COLORREF> elided = pixels_of(box);
    EXPECT_TRUE(drawn == elided) << "the unfocused box drew something else";

    key(VK_TAB, true); // back from Calculate to the box, which selects the whole result
    ASSERT_EQ(GetFocus(), box);
    const std::vector<COLORREF> focused = redrawn();
    EXPECT_NE(std::count(focused.begin(), focused.end(), GetSysColor(COLOR_HIGHLIGHT)), 0)
        << "the focused box did not draw its selection";
    key(VK_TAB); // and painted as the message loop paints, without being asked to
    EXPECT_TRUE(pixels_of(box) == elided) << "once the focus left, the box drew no ellipsis";
}

// The name an assistive tool reads for a control, or what went wrong reading it.
std::wstring accessible_name(HWND control) {
    IAccessible* accessible = nullptr;
    if (AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&accessible)) != S_OK)
        return L"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR read = nullptr;
    const HRESULT answer = accessible->get_accName(self, &read);
    std::wstring name = answer == S_OK && read != nullptr
                            ? std::wstring(read)
                            : L"(get_accName answered " + std::to_wstring(answer) + L")";
    SysFreeString(read);
    accessible->Release();
    return name;
}

TEST_F(Win32Window, NamesEveryBoxAndButtonForAssistiveTools) {
    EXPECT_EQ(accessible_name(control(layout::skera_box)), L"Enter Amount");
    EXPECT_EQ(accessible_name(control(layout::real_amount_box)), L"Real Amount");
    EXPECT_EQ(accessible_name(control(layout::calculate_btn)), L"Calculate");
    EXPECT_EQ(accessible_name(control(layout::about_btn)), L"About");
    calculate("smack", "");
    EXPECT_EQ(accessible_name(control(layout::calculate_btn)), L"NERES");
}

TEST_F(Win32Window, NamesTheChooserAfterItsPurpose) {
    const std::wstring name = accessible_name(chooser());
    if (name != L"Plug") {
        // Windows keeps names given with IAccPropServices; some hosts' accessibility library
        // does not, and then the chooser cannot be named this way there.
        const HRESULT kept = name_for_assistive_tools(chooser(), "Plug");
        if (FAILED(kept))
            GTEST_SKIP() << "this host keeps no names for assistive tools (0x" << std::hex
                         << static_cast<unsigned long>(kept) << "); the chooser reads as \""
                         << to_utf8(name) << "\"";
    }
    EXPECT_EQ(name, L"Plug");
}

} // namespace
} // namespace quillmar
