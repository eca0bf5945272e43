#include "window/web/page_window.h"

#include "platform/web/page_message_box.h"
#include "platform/web/user_locale.h"
#include "window/result_fit.h"
#include "window/title_colour.h"
#include "window/web/page_controls.h"
#include "window/web/page_fonts.h"

namespace quillmar {
namespace {

// A control's element is called by the control's name, as the desktops name their widgets; the
// two labels that share the name "Label1" add their index, as ids are unique.
std::string id_of(const layout::control_layout& control) {
    if (&control == &layout::amount_label)
        return std::string(control.name) + "_0";
    if (&control == &layout::result_label)
        return std::string(control.name) + "_1";
    return std::string(control.name);
}

// The window's own element, and the chooser's text field, button and list inside its element.
constexpr std::string_view window_id = "main";
constexpr std::string_view chooser_field = "plug_text";
constexpr std::string_view chooser_button = "plug_button";
constexpr std::string_view chooser_list = "plug_list";

std::string font_of(const layout::control_layout& control, double point_size) {
    return css_font(control.family, point_size);
}

} // namespace

page_window::page_window() : controller_(*this, user_decimal_separator()) {
    // The style sheet draws the window and the messages' titles on the layout's green.
    page::place(window_id, {0, 0, layout::client_area.width, layout::client_area.height}, "");
    page::set_page_colour("--ground", layout::ground);
    for (const layout::control_layout* control : layout::tab_order) {
        page::place(id_of(*control), control->place, font_of(*control, control->point_size));
        if (control->kind == layout::control_kind::label ||
            control->kind == layout::control_kind::button)
            page::set_text(id_of(*control), control->text);
    }
    page::set_value(chooser_field, layout::select_plug.text);
    for (const std::string_view part : {chooser_field, chooser_button, chooser_list})
        page::set_label(part, layout::chooser_accessible_name);
    colour_title();
}

void page_window::load() {
    controller_.Form_Load();
}

// A member, though it reads no member: the title it colours belongs to the one window, which
// must have placed it first.
void page_window::colour_title() { // NOLINT(readability-convert-member-functions-to-static)
    page::set_colour(id_of(layout::title_text), title_colour(page::canvas_colour()));
}

std::string page_window::plug_text() const {
    return page::value(chooser_field);
}

std::string page_window::amount_text() const {
    return page::value(id_of(layout::skera_box));
}

void page_window::set_result_text(const std::string& text) {
    const std::string id = id_of(layout::real_amount_box);
    const double points =
        result_point_size(text, page::text_room(id), [](std::string_view shown, double size) {
            return page::text_width(font_of(layout::real_amount_box, size), shown);
        });
    // The box keeps the whole result, which is what is selected, copied and read out; where it
    // does not fit even at the smallest size, the box's text-overflow draws its beginning and
    // "…" until it has the focus, and then it scrolls.
    page::set_font(id, font_of(layout::real_amount_box, points));
    page::set_value(id, text);
    page::set_tooltip(id, text);
}

void page_window::set_calculate_caption(const std::string& caption) {
    page::set_text(id_of(layout::calculate_btn), caption);
}

void page_window::append_plug(const std::string& name) {
    page::append_option(chooser_list, name);
}

void page_window::show_message(const message_box& message) {
    show_page_message_box(message);
}

} // namespace quillmar
