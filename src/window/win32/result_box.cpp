#include "window/win32/result_box.h"

#include "platform/win32/utf16.h"
#include "window/result_fit.h"
#include "window/window_layout.h"

#include <windows.h>

#include <commctrl.h>
#include <map>

namespace quillmar {
namespace {

// The box and its tooltip are both subclassed, each to learn when Windows destroys it.
constexpr UINT_PTR box_subclass = 1;
constexpr UINT_PTR tooltip_subclass = 2;

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
    // Only where this object goes before its windows: once Windows has destroyed them, both
    // handles are null. The tooltip's own WM_NCDESTROY forgets it.
    if (tooltip_ != nullptr)
        DestroyWindow(tooltip_);
    if (box_ != nullptr)
        RemoveWindowSubclass(box_, &result_box::procedure, box_subclass);
}

void result_box::attach(HWND box, HWND window) {
    box_ = box;
    window_ = window;
    SetWindowSubclass(box_, &result_box::procedure, box_subclass,
                      reinterpret_cast<DWORD_PTR>(this));
}

void result_box::show(const std::string& result) {
    whole_ = to_utf16(result);
    if (box_ == nullptr)
        return;
    SetWindowTextW(box_, whole_.c_str());
    TOOLINFOW tool = tool_for(window_, box_);
    tool.lpszText = whole_.data();
    if (tooltip_ == nullptr) {
        // Made at the first result rather than at start-up: until then it has nothing to show.
        // Its owner is the window, which destroys it before the box.
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   window_, nullptr, nullptr, nullptr);
        SetWindowSubclass(tooltip_, &result_box::procedure, tooltip_subclass,
                          reinterpret_cast<DWORD_PTR>(this));
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    fit(dpi_);
}

void result_box::fit(UINT dpi) {
    dpi_ = dpi;
    if (box_ == nullptr)
        return;
    RECT client{};
    GetClientRect(box_, &client);
    // The caret takes a pixel past the text's end.
    const int available = client.right - 1;

    std::map<double, unique_font> fonts;
    HDC dc = GetDC(box_);
    const auto width_of = [&](std::string_view text, double points) {
        unique_font& font = fonts[points];
        if (!font)
            font = make_font(layout::real_amount_box, points, dpi_);
        // The EDIT control takes its margins from its font: its text area is measured in each.
        SendMessageW(box_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        RECT area{};
        SendMessageW(box_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        const HGDIOBJ before = SelectObject(dc, font.get());
        const std::wstring wide = to_utf16(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        SelectObject(dc, before);
        return static_cast<double>(size.cx + client.right - (area.right - area.left));
    };
    const std::string result = to_utf8(whole_);
    const double points = result_point_size(result, available, width_of);
    elided_ = width_of(result, points) > available;
    ReleaseDC(box_, dc);

    unique_font font = std::move(fonts[points]);
    SendMessageW(box_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    // The old font and those only measured are deleted once the box no longer uses them.
    font_ = std::move(font);
    InvalidateRect(box_, nullptr, TRUE);
}

LRESULT CALLBACK result_box::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR id, DWORD_PTR self) {
    auto* const box = reinterpret_cast<result_box*>(self);
    if (message == WM_NCDESTROY) {
        // The subclass goes with its window, as SetWindowSubclass's documentation asks.
        RemoveWindowSubclass(window, &result_box::procedure, id);
        if (id == tooltip_subclass) {
            box->tooltip_ = nullptr;
        } else {
            box->box_ = nullptr;
            box->window_ = nullptr;
            // Destroyed on its own, the box takes its tooltip along; destroyed with the
            // window, the tooltip went first and its handle is already forgotten.
            if (box->tooltip_ != nullptr)
                DestroyWindow(box->tooltip_);
        }
        return DefSubclassProc(window, message, wparam, lparam);
    }
    if (id == tooltip_subclass)
        return DefSubclassProc(window, message, wparam, lparam);
    return box->handle_box(message, wparam, lparam);
}

LRESULT result_box::handle_box(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        if (elided_ && GetFocus() != box_) {
            paint_elided();
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The box changes between its two drawings of a result that does not fit.
        if (elided_)
            InvalidateRect(box_, nullptr, TRUE);
        break;
    default:
        break;
    }
    return DefSubclassProc(box_, message, wparam, lparam);
}

// Draws the result as the EDIT control would, but cut at its end by the toolkit's own
// ellipsis: the ground and colours the window gives a read-only EDIT control, in the box's
// font and text area. Only WM_PAINT is drawn so: an unfocused EDIT control has no caret or
// selection to draw outside it.
void result_box::paint_elided() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(box_, &paint);
    auto* const ground = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(box_), WM_CTLCOLORSTATIC,
                                                               reinterpret_cast<WPARAM>(dc),
                                                               reinterpret_cast<LPARAM>(box_)));
    RECT client{};
    GetClientRect(box_, &client);
    FillRect(dc, &client, ground);
    RECT area{};
    SendMessageW(box_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const HGDIOBJ before = SelectObject(dc, font_.get());
    DrawTextW(dc, whole_.c_str(), static_cast<int>(whole_.size()), &area,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, before);
    EndPaint(box_, &paint);
}

} // namespace quillmar
