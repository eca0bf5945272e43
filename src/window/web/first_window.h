#pragma once

#include "window/window_layout.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The window as the page draws it before its program has started: the build writes it into
// the page from the layout table, so that the first paint shows the whole window, placed,
// lettered and coloured as the program keeps it.
namespace quillmar::page {

// The window's own element, and the chooser's text field, button and list inside its element.
inline constexpr std::string_view window_id = "main";
inline constexpr std::string_view chooser_field = "plug_text";
inline constexpr std::string_view chooser_button = "plug_button";
inline constexpr std::string_view chooser_list = "plug_list";

// A control's element is called by the control's name, as the desktops name their widgets; the
// two labels that share the name "Label1" add their index, as ids are unique.
[[nodiscard]] std::string id_of(const layout::control_layout& control);

// A control's CSS font at a size in points.
[[nodiscard]] std::string font_of(const layout::control_layout& control, double point_size);

// What the build writes into the page and its manifest, each under its name: the window's green
// as CSS writes it under "ground"; "style", a style sheet with the window's size and green and
// each control's place and font; each control's starting text under its element's id; and the
// chooser's name for assistive tools under "chooser_name". Texts are escaped for HTML.
[[nodiscard]] std::vector<std::pair<std::string, std::string>> first_window();

} // namespace quillmar::page
