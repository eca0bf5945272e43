#include "window/win32/main_window.h"

#include "platform/win32/system_error_text.h"
#include "platform/win32/user_locale.h"
#include "platform/win32/utf16.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/window_text.h"
#include "window/title_colour.h"
#include "window/win32/dpi.h"

#include <algorithm>
#include <optional>
#include <string>

namespace quillmar {
namespace {

constexpr wchar_t class_name[] = L"Quillmar95.main";
// A fixed-size window: it can be minimized, neither maximized nor resized.
constexpr DWORD window_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct window_class {
    const wchar_t* name;
    DWORD style;
    DWORD ex_style;
};

window_class class_of(const layout::control_layout& control) {
    if (&control == &layout::title_text) // drawn by the window, standing on its bottom edge
        return {L"STATIC", SS_OWNERDRAW, 0};
    if (&control == &layout::real_amount_box) // selectable and copyable, not typed into
        return {L"EDIT", ES_CENTER | ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    switch (control.kind) {
    case layout::control_kind::label:
        return {L"STATIC", SS_CENTER | SS_NOPREFIX, 0};
    case layout::control_kind::chooser:
        return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case layout::control_kind::text_box:
        return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case layout::control_kind::button:
        break;
    }
    return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
}

COLORREF to_colorref(layout::colour c) {
    return RGB(c.red, c.green, c.blue);
}

layout::colour from_colorref(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

RECT scaled(const layout::twips_rect& r, UINT dpi) {
    const int d = static_cast<int>(dpi);
    const int left = layout::to_pixels(r.left, d);
    const int top = layout::to_pixels(r.top, d);
    return {left, top, left + layout::to_pixels(r.width, d), top + layout::to_pixels(r.height, d)};
}

} // namespace

main_window::main_window(HINSTANCE instance, message_shower show_message)
    : instance_(instance), show_message_(std::move(show_message)),
      controller_(*this, user_decimal_separator()),
      chooser_([this] { controller_.select_plug_Click(); }) {
    if (!show_message_) {
        show_message_ = [this](const message_box& message) {
            show_win32_message_box(message, window_);
        };
    }
    ground_ = CreateSolidBrush(to_colorref(layout::ground));

    WNDCLASSEXW registered{};
    if (GetClassInfoExW(instance_, class_name, &registered) == FALSE) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &main_window::window_procedure;
        wc.hInstance = instance_;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW); // NOLINT: IDC_ARROW is a resource id
        wc.hbrBackground = nullptr;                   // the window paints its own ground
        wc.lpszClassName = class_name;
        const auto icon = [this](int size_metric) {
            const int size = GetSystemMetrics(size_metric);
            return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(icon_resource),
                                                 IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        };
        wc.hIcon = icon(SM_CXICON);
        wc.hIconSm = icon(SM_CXSMICON);
        RegisterClassExW(&wc);
    }

    const std::wstring title = to_utf16(application_title);
    // A window that fails after WM_NCCREATE is destroyed at once, and WM_NCDESTROY forgets it.
    if (CreateWindowExW(0, class_name, title.c_str(), window_style, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_,
                        this) == nullptr) {
        // Without a window the program can only end; the user is told why, in Windows' words.
        const DWORD error = GetLastError();
        show_message_({std::string(application_title) + " could not open its window.\n\n" +
                           system_error_text(error),
                       message_style::critical, std::nullopt});
        return;
    }
    create_controls();
    const UINT dpi = dpi_of(window_);
    fit_client_area(dpi, nullptr);
    apply_dpi(dpi);
}

main_window::~main_window() {
    if (window_ != nullptr)
        DestroyWindow(window_);
    DeleteObject(ground_);
}

void main_window::create_controls() {
    // Made in tab order: the dialog keys move the focus in the order the controls were made.
    for (std::size_t i = 0; i < layout::tab_order.size(); ++i) {
        const layout::control_layout& where = *layout::tab_order[i];
        const window_class kind = class_of(where);
        controls_[i] = CreateWindowExW(
            kind.ex_style, kind.name, to_utf16(where.text).c_str(),
            WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(where))), instance_, nullptr);
    }
    chooser_.attach(control(layout::select_plug), window_);
    // Assistive tools name a box by the label just before it among the window's children,
    // which labels can be without changing the tab order: they take no focus.
    SetWindowPos(control(layout::amount_label), control(layout::select_plug), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(control(layout::result_label), control(layout::skera_box), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    result_box_.attach(control(layout::real_amount_box), window_);
}

void main_window::fit_client_area(UINT dpi, const RECT* suggested) {
    const int width = layout::to_pixels(layout::client_area.width, static_cast<int>(dpi));
    const int height = layout::to_pixels(layout::client_area.height, static_cast<int>(dpi));
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (suggested == nullptr ? SWP_NOMOVE : 0);
    // The frame is measured rather than computed: a move to another dots per inch can change
    // it, and not every host's title bar follows the window's dots per inch. A second step
    // takes the frame the move gave.
    for (int step = 0; step < 2; ++step) {
        RECT outer{};
        RECT client{};
        GetWindowRect(window_, &outer);
        GetClientRect(window_, &client);
        if (client.right == width && client.bottom == height)
            return;
        SetWindowPos(window_, nullptr, suggested != nullptr ? suggested->left : 0,
                     suggested != nullptr ? suggested->top : 0,
                     width + (outer.right - outer.left) - client.right,
                     height + (outer.bottom - outer.top) - client.bottom, flags);
    }
}

void main_window::apply_dpi(UINT dpi) {
    for (std::size_t i = 0; i < layout::tab_order.size(); ++i) {
        const layout::control_layout& where = *layout::tab_order[i];
        unique_font font = make_font(where, dpi);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        fonts_[i] = std::move(font); // the old font is deleted once no control uses it

        const RECT place = scaled(where.place, dpi);
        if (where.kind == layout::control_kind::chooser)
            chooser_.place(place);
        else
            MoveWindow(controls_[i], place.left, place.top, place.right - place.left,
                       place.bottom - place.top, FALSE);
    }
    result_box_.fit(dpi);
    InvalidateRect(window_, nullptr, TRUE);
}

void main_window::load() {
    controller_.Form_Load();
}

void main_window::show(int show_command) {
    ShowWindow(window_, show_command);
    UpdateWindow(window_);
    // The combo box selects its whole text when it takes the focus, so typing replaces it.
    SetFocus(control(layout::select_plug));
}

bool main_window::take_dialog_key(MSG& message) {
    return window_ != nullptr && IsDialogMessageW(window_, &message) != FALSE;
}

HWND main_window::control(const layout::control_layout& which) const {
    return controls_[tab_index(which)];
}

LRESULT CALLBACK main_window::window_procedure(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<main_window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<main_window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        // The last message, after the controls' own: every handle is forgotten, so that none
        // is used once Windows may have given it to another window.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->controls_.fill(nullptr);
        self->last_focus_ = nullptr;
        self->chooser_.detach();
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return self->handle_message(message, wparam, lparam);
}

LRESULT main_window::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        on_command(LOWORD(wparam), HIWORD(wparam));
        return 0;
    case plug_chooser::pick_message:
        chooser_.pick(wparam);
        return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wparam), &client, ground_);
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        return on_label_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM:
        draw_title(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        return TRUE;
    case WM_ACTIVATE:
        // A window of plain controls forgets its focused control when it is deactivated,
        // by a message box for instance; it gets it back on return.
        if (LOWORD(wparam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus != nullptr && IsChild(window_, focus) != FALSE)
                last_focus_ = focus;
            return 0;
        }
        if (last_focus_ != nullptr) {
            SetFocus(last_focus_);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        // The window itself takes no keys: the focus goes on to the control that had it,
        // or to the chooser.
        SetFocus(last_focus_ != nullptr ? last_focus_ : control(layout::select_plug));
        return 0;
    case WM_SYSCOLORCHANGE:
        // The title's colour follows the system's colours.
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case WM_DPICHANGED: {
        const UINT dpi = HIWORD(wparam);
        fit_client_area(dpi, reinterpret_cast<const RECT*>(lparam));
        apply_dpi(dpi);
        return 0;
    }
    case WM_DESTROY:
        // Closing the window ends the program.
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

void main_window::on_command(int id, int notification) {
    if (id == IDOK) {
        // Return: in the amount box it calculates; anywhere else it does nothing.
        if (GetFocus() == control(layout::skera_box))
            controller_.Calculate_btn_Click();
        return;
    }
    if (id == IDCANCEL)
        return; // Escape never closes the window
    if (id == control_id(layout::select_plug))
        chooser_.notify(notification);
    else if (id == control_id(layout::calculate_btn) && notification == BN_CLICKED)
        controller_.Calculate_btn_Click();
    else if (id == control_id(layout::about_btn) && notification == BN_CLICKED)
        controller_.About_btn_Click();
}

LRESULT main_window::on_label_colour(HDC dc, HWND control) {
    const auto* const found = std::find(controls_.begin(), controls_.end(), control);
    const auto index = static_cast<std::size_t>(found - controls_.begin());
    if (found == controls_.end() || layout::tab_order[index]->kind != layout::control_kind::label)
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    // Labels have no ground of their own: the window's green shows behind their text.
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, to_colorref(layout::box_label_colour));
    return reinterpret_cast<LRESULT>(ground_);
}

void main_window::draw_title(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, ground_);
    SetBkMode(item.hDC, TRANSPARENT);
    // The system's colour for window backgrounds, as the text boxes show it, unless a dark or
    // high-contrast scheme makes it unreadable on the green.
    SetTextColor(item.hDC, to_colorref(title_colour(from_colorref(GetSysColor(COLOR_WINDOW)))));
    const HGDIOBJ before = SelectObject(item.hDC, fonts_[tab_index(layout::title_text)].get());
    RECT place = item.rcItem;
    // On the label's bottom edge, as layout::title_text explains.
    const std::wstring text = window_text(item.hwndItem);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &place,
              DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, before);
}

std::string main_window::plug_text() const {
    return chooser_.text();
}

std::string main_window::amount_text() const {
    return window_text_utf8(control(layout::skera_box));
}

void main_window::set_result_text(const std::string& text) {
    result_box_.show(text);
}

void main_window::set_calculate_caption(const std::string& caption) {
    SetWindowTextW(control(layout::calculate_btn), to_utf16(caption).c_str());
}

void main_window::append_plug(const std::string& name) {
    chooser_.append(name);
}

void main_window::show_message(const message_box& message) {
    show_message_(message);
}

} // namespace quillmar
