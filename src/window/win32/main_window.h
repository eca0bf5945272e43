#pragma once

#include "window/main_controller.h"
#include "window/main_view.h"
#include "window/win32/plug_chooser.h"
#include "window/win32/result_box.h"
#include "window/win32/win32_fonts.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <functional>

namespace quillmar {

// The program's one window, "main", made of plain Win32 controls: the title, the plug chooser,
// the amount box, Calculate, the result box and About, at the layout's places on a dark green
// ground, scaled to the monitor's dots per inch. The handlers live in main_controller; this
// class only builds the controls and carries their texts across.
class main_window : private main_view {
public:
    // Shows one modal message and returns once it is dismissed.
    using message_shower = std::function<void(const message_box&)>;

    // The resource id of the program's icon, which the window shows in its title bar.
    static constexpr int icon_resource = 1;

    // Creates the window and its controls, hidden. Without a message shower, messages appear
    // in a MessageBoxW owned by the window. Where the window cannot be made, handle() is null
    // and a critical message has said why.
    explicit main_window(HINSTANCE instance, message_shower show_message = {});
    ~main_window() override;
    main_window(const main_window&) = delete;
    main_window& operator=(const main_window&) = delete;

    // Fills the chooser; called once, before the window is first shown.
    void load();
    // Shows the window with the focus in the chooser, its text selected.
    void show(int show_command);

    // Gives the window the keys a dialog box has (Tab, Shift+Tab, Return, Escape) before the
    // message is dispatched; true when it took the message. Every message loop that serves the
    // window calls it.
    bool take_dialog_key(MSG& message);

    [[nodiscard]] HWND handle() const { return window_; }

    // The id of a control, for GetDlgItem: how tools and tests find it, as Qt finds a widget
    // by its object name.
    [[nodiscard]] static constexpr int control_id(const layout::control_layout& which) {
        // Clear of IDOK and IDCANCEL, which the dialog keys send.
        constexpr int first_id = 100;
        return first_id + static_cast<int>(tab_index(which));
    }

private:
    // Where the control stands in the layout's tab order, which is also where it stands in
    // the window's arrays.
    [[nodiscard]] static constexpr std::size_t tab_index(const layout::control_layout& which) {
        std::size_t index = 0;
        while (layout::tab_order[index] != &which)
            ++index;
        return index;
    }

    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam);
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_command(int id, int notification);
    LRESULT on_label_colour(HDC dc, HWND control);
    void draw_title(const DRAWITEMSTRUCT& item);

    void create_controls();
    // Sizes the window so that its client area is the layout's at the given dots per inch,
    // at the suggested place when there is one.
    void fit_client_area(UINT dpi, const RECT* suggested);
    // Places every control and gives it its font for the given dots per inch.
    void apply_dpi(UINT dpi);
    [[nodiscard]] HWND control(const layout::control_layout& which) const;

    [[nodiscard]] std::string plug_text() const override;
    [[nodiscard]] std::string amount_text() const override;
    void set_result_text(const std::string& text) override;
    void set_calculate_caption(const std::string& caption) override;
    void append_plug(const std::string& name) override;
    void show_message(const message_box& message) override;

    HINSTANCE instance_;
    message_shower show_message_;
    main_controller controller_;
    HWND window_ = nullptr;
    HBRUSH ground_ = nullptr;
    // The controls and their fonts, in the layout's tab order.
    std::array<HWND, layout::tab_order.size()> controls_{};
    std::array<unique_font, layout::tab_order.size()> fonts_{};
    // The control that had the focus when the window was last deactivated.
    HWND last_focus_ = nullptr;
    plug_chooser chooser_;
    result_box result_box_;
};

} // namespace quillmar
