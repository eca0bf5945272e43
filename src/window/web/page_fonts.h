#pragma once

#include <string>
#include <string_view>

namespace quillmar {

// A CSS font, as the font property and a canvas take it: the layout's bold weight, the size in
// points (a CSS point is 1/72 inch, as on a 96 dpi screen) and the family followed by the
// nearest families other systems have.
std::string css_font(std::string_view family, double point_size);

} // namespace quillmar
