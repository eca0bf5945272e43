#include "window/web/page_css.h"

#include <cstdio>

namespace quillmar {
namespace {

// Windows has the layout's families; Linux has Liberation Sans, metric-compatible with Arial;
// macOS has Helvetica. The title's Arial has its metric twin, the controls' MS Sans Serif its
// scalable successor and then the same sans serifs.
std::string_view fallbacks_for(std::string_view family) {
    if (family == layout::title_family)
        return R"("Liberation Sans", Helvetica, sans-serif)";
    return R"("Microsoft Sans Serif", Tahoma, "Liberation Sans", Arial, Helvetica, sans-serif)";
}

} // namespace

std::string css_font(std::string_view family, double point_size) {
    char size[32];
    std::snprintf(size, sizeof size, "%d %gpt ", layout::font_weight, point_size);
    return std::string(size) + '"' + std::string(family) + "\", " +
           std::string(fallbacks_for(family));
}

std::string css_colour(layout::colour colour) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return hex;
}

} // namespace quillmar
