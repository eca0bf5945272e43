#include "window/win32/result_box.h"

#include "platform/win32/utf16.h"
#include "window/result_fit.h"
#include "window/window_layout.h"

#include <windows.h>

#include <algorithm>
#include <commctrl.h>
#include <cstring>
#include <cwchar>
#include <map>

namespace quillmar {
namespace {

constexpr UINT_PTR subclass_id = 1;

TOOLINFOW tool_for(HWND window, HWND box) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    return tool;
}

} // namespace

result_box::~result_box() {
    if (box_ != nullptr)
        RemoveWindowSubclass(box_, &result_box::procedure, subclass_id);
    if (tooltip_ != nullptr)
        DestroyWindow(tooltip_);
}

void result_box::attach(HWND box, HWND window) {
    box_ = box;
    window_ = window;
    SetWindowSubclass(box_, &result_box::procedure, subclass_id, reinterpret_cast<DWORD_PTR>(this));
}

void result_box::show(const std::string& result) {
    whole_ = to_utf16(result);
    TOOLINFOW tool = tool_for(window_, box_);
    tool.lpszText = whole_.data();
    if (tooltip_ == nullptr) {
        // Made at the first result rather than at start-up: until then it has nothing to show.
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   window_, nullptr, nullptr, nullptr);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    fit(dpi_);
}

void result_box::fit(UINT dpi) {
    dpi_ = dpi;
    RECT area{};
    SendMessageW(box_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    // The caret takes a pixel past the text's end.
    const int available = area.right - area.left - 1;

    std::map<double, unique_font> fonts;
    HDC dc = GetDC(box_);
    const auto width_of = [&](std::string_view text, double points) {
        unique_font& font = fonts[points];
        if (!font)
            font = make_font(layout::real_amount_box, points, dpi_);
        const HGDIOBJ before = SelectObject(dc, font.get());
        const std::wstring wide = to_utf16(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        SelectObject(dc, before);
        return static_cast<double>(size.cx);
    };
    const result_fit shown = fit_result(to_utf8(whole_), available, width_of);
    ReleaseDC(box_, dc);

    unique_font font = std::move(fonts[shown.point_size]);
    SendMessageW(box_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    font_ = std::move(font); // the old font is deleted once the box no longer uses it
    const std::wstring text = to_utf16(shown.shown);
    shortened_ = text != whole_;
    // The control keeps what it draws; readers are answered the whole (WM_GETTEXT below).
    SetWindowTextW(box_, text.c_str());
    InvalidateRect(box_, nullptr, TRUE);
}

LRESULT CALLBACK result_box::procedure(HWND /*box*/, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR /*id*/, DWORD_PTR self) {
    return reinterpret_cast<result_box*>(self)->handle(message, wparam, lparam);
}

LRESULT result_box::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(whole_.size());
    case WM_GETTEXT: {
        if (wparam == 0)
            return 0;
        auto* buffer = reinterpret_cast<wchar_t*>(lparam);
        const std::size_t length = std::min<std::size_t>(whole_.size(), wparam - 1);
        std::wmemcpy(buffer, whole_.data(), length);
        buffer[length] = L'\0';
        return static_cast<LRESULT>(length);
    }
    case WM_COPY:
        // A shortened result is copied whole, whatever part of it is selected.
        if (shortened_) {
            copy_whole_result();
            return 0;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(box_, message, wparam, lparam);
}

void result_box::copy_whole_result() const {
    if (OpenClipboard(box_) == FALSE)
        return;
    EmptyClipboard();
    const std::size_t bytes = (whole_.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes); memory != nullptr) {
        std::memcpy(GlobalLock(memory), whole_.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
}

} // namespace quillmar
