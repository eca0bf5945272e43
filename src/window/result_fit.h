#pragma once

#include "window/window_layout.h"

#include <functional>
#include <string>
#include <string_view>

namespace quillmar {

// How the result box shows a result: the point size of its font, and the text it draws. The
// box's own text stays the whole result whatever it draws.
struct result_fit {
    double point_size;
    std::string shown; // the whole result, or its beginning followed by "…"
    friend bool operator==(const result_fit&, const result_fit&) = default;
};

// The width in pixels a text takes in the result box's font at a point size.
using text_width = std::function<double(std::string_view text, double point_size)>;

inline constexpr double largest_result_points = layout::real_amount_box.point_size;
inline constexpr double smallest_result_points = 7.0;
inline constexpr std::string_view ellipsis = "\xE2\x80\xA6"; // "…"

// The point size the result box draws a result at: the largest size, stepping down a point at
// a time, at which the whole result fits the given number of pixels, or the smallest size
// where none does. There the box's toolkit draws the result's beginning and "…" itself while
// the box has no focus; the box always holds the whole result.
double result_point_size(std::string_view result, double available_width,
                         const text_width& width_of);

// Fits a result into a box the given number of pixels wide. The font steps down a point at a
// time from the largest size until the whole result fits; at the smallest size a result that
// still does not fit is cut after its last whole character that leaves room for "…", so a
// digit is never shown in part.
result_fit fit_result(std::string_view result, double available_width, const text_width& width_of);

} // namespace quillmar
