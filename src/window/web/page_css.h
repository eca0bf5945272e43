#pragma once

#include "window/window_layout.h"

#include <string>
#include <string_view>

// The layout's fonts and colours as CSS writes them, for the page the build writes and for
// what the program changes in it.
namespace quillmar {

// A CSS font, as the font property and a canvas take it: the layout's bold weight, the size in
// points (a CSS point is 1/72 inch, as on a 96 dpi screen) and the family followed by the
// nearest families other systems have.
std::string css_font(std::string_view family, double point_size);

// A colour as #rrggbb, which style sheets, a page's theme colour and its manifest all read.
std::string css_colour(layout::colour colour);

} // namespace quillmar
