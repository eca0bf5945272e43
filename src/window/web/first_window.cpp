#include "window/web/first_window.h"

#include "window/web/page_css.h"

namespace quillmar::page {
namespace {

std::string pixels(int twips) {
    return std::to_string(layout::to_pixels(twips, layout::standard_dpi)) + "px";
}

std::string escaped(std::string_view text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

} // namespace

std::string id_of(const layout::control_layout& control) {
    if (&control == &layout::amount_label)
        return std::string(control.name) + "_0";
    if (&control == &layout::result_label)
        return std::string(control.name) + "_1";
    return std::string(control.name);
}

std::string font_of(const layout::control_layout& control, double point_size) {
    return css_font(control.family, point_size);
}

std::vector<std::pair<std::string, std::string>> first_window() {
    const std::string green = css_colour(layout::ground);
    std::vector<std::pair<std::string, std::string>> written{{"ground", green}};
    std::string style = ":root { --ground: " + green + "; }\n#" + std::string(window_id) +
                        " { width: " + pixels(layout::client_area.width) +
                        "; height: " + pixels(layout::client_area.height) + "; }\n";
    for (const layout::control_layout* control : layout::tab_order) {
        const std::string id = id_of(*control);
        const layout::twips_rect& place = control->place;
        style += "#" + id + " { left: " + pixels(place.left) + "; top: " + pixels(place.top) +
                 "; width: " + pixels(place.width) + "; height: " + pixels(place.height) +
                 "; font: " + font_of(*control, control->point_size) + "; }\n";
        written.emplace_back(id, escaped(control->text));
    }
    written.emplace_back("style", style);
    written.emplace_back("chooser_name", escaped(layout::chooser_accessible_name));
    return written;
}

} // namespace quillmar::page
