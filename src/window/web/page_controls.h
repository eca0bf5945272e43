#pragma once

#include "window/window_layout.h"

#include <string>
#include <string_view>

// The page's elements as the window uses them, each told by its id. The page (index.html)
// has every element; these only read and change them.
namespace quillmar::page {

void set_text(std::string_view id, std::string_view text);
[[nodiscard]] std::string value(std::string_view id);
void set_value(std::string_view id, std::string_view text);
void set_font(std::string_view id, const std::string& font);
void set_tooltip(std::string_view id, std::string_view text);
void set_colour(std::string_view id, layout::colour colour);
// Adds an option with the text at the end of a listbox.
void append_option(std::string_view list_id, std::string_view text);

// The width in CSS pixels of the room an element leaves for its text.
[[nodiscard]] double text_room(std::string_view id);
// The width in CSS pixels of a text in a font.
[[nodiscard]] double text_width(const std::string& font, std::string_view text);
// The colour CSS calls Canvas, the background of the page's windows under its colour scheme.
[[nodiscard]] layout::colour canvas_colour();

} // namespace quillmar::page
