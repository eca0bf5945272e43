#include "window/web/page_window.h"

#include "platform/web/page_message_box.h"
#include "platform/web/user_locale.h"
#include "window/result_fit.h"
#include "window/title_colour.h"
#include "window/web/page_controls.h"
#include "window/web/page_fonts.h"

namespace quillmar {
namespace {

// The page's element for each control of the layout. The two labels that share the name
// "Label1" are told apart by their index, as ids must be unique.
struct page_control {
    const layout::control_layout& control;
    const char* id;
};

constexpr page_control controls[] = {
    {layout::title_text, "Quillmar_text"},    {layout::select_plug, "select_plug"},
    {layout::skera_box, "skera_box"},         {layout::real_amount_box, "real_amount_box"},
    {layout::calculate_btn, "Calculate_btn"}, {layout::amount_label, "Label1_0"},
    {layout::result_label, "Label1_1"},       {layout::about_btn, "About_btn"},
};

// The chooser is a text field, a button and a list inside the placed element.
constexpr const char* chooser_field = "plug_text";
constexpr const char* chooser_button = "plug_button";
constexpr const char* chooser_list = "plug_list";

std::string font_of(const layout::control_layout& control, double point_size) {
    return css_font(control.family, point_size);
}

} // namespace

page_window::page_window() : controller_(*this, user_decimal_separator()) {
    for (const auto& [control, id] : controls) {
        page::place(id, control.place, font_of(control, control.point_size));
        if (control.kind == layout::control_kind::label ||
            control.kind == layout::control_kind::button)
            page::set_text(id, control.text);
    }
    page::set_value(chooser_field, layout::select_plug.text);
    for (const char* part : {chooser_field, chooser_button, chooser_list})
        page::set_label(part, layout::chooser_accessible_name);
    colour_title();
}

void page_window::load() {
    controller_.Form_Load();
}

void page_window::colour_title() {
    page::set_colour("Quillmar_text", title_colour(page::canvas_colour()));
}

std::string page_window::plug_text() const {
    return page::value(chooser_field);
}

std::string page_window::amount_text() const {
    return page::value("skera_box");
}

void page_window::set_result_text(const std::string& text) {
    const layout::control_layout& box = layout::real_amount_box;
    const result_fit fit = fit_result(
        text, page::text_room("real_amount_box"), [](std::string_view shown, double points) {
            return page::text_width(font_of(layout::real_amount_box, points), shown);
        });
    // The box keeps the whole result, which is what is selected and copied; where it does
    // not fit even at the smallest size, the box's text-overflow draws its beginning and "…"
    // where fit_result cuts it: after the last whole character that leaves room for "…".
    page::set_font("real_amount_box", font_of(box, fit.point_size));
    page::set_value("real_amount_box", text);
    page::set_tooltip("real_amount_box", text);
}

void page_window::set_calculate_caption(const std::string& caption) {
    page::set_text("Calculate_btn", caption);
}

void page_window::append_plug(const std::string& name) {
    page::append_option(chooser_list, name);
}

void page_window::show_message(const message_box& message) {
    show_page_message_box(message);
}

} // namespace quillmar
