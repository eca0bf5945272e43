#include "window/title_colour.h"

#include <algorithm>
#include <cmath>

namespace quillmar {
namespace {

// The sRGB channel, from 0 to 255, as a linear light level from 0 to 1.
double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relative_luminance(layout::colour c) {
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

} // namespace

double contrast_ratio(layout::colour a, layout::colour b) {
    const double la = relative_luminance(a);
    const double lb = relative_luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

layout::colour title_colour(layout::colour window_background) {
    if (contrast_ratio(window_background, layout::ground) >= least_title_contrast)
        return window_background;
    return {255, 255, 255};
}

} // namespace quillmar
