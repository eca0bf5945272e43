#include "window/web/page_window.h"

#include "platform/web/page_message_box.h"
#include "platform/web/user_locale.h"
#include "window/result_fit.h"
#include "window/title_colour.h"
#include "window/web/first_window.h"
#include "window/web/page_controls.h"

namespace quillmar {

using page::chooser_field;
using page::chooser_list;
using page::id_of;

// The build has drawn the window into the page from the layout; the program colours its title
// after the page's colour scheme, and fills the list.
page_window::page_window() : controller_(*this, user_decimal_separator()) {
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
            return page::text_width(page::font_of(layout::real_amount_box, size), shown);
        });
    // The box keeps the whole result, which is what is selected, copied and read out; where it
    // does not fit even at the smallest size, the box's text-overflow draws its beginning and
    // "…" until it has the focus, and then it scrolls.
    page::set_font(id, page::font_of(layout::real_amount_box, points));
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
