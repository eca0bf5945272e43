#pragma once

#include "window/window_layout.h"

#include <functional>
#include <string_view>

namespace quillmar {

// The width in pixels a text takes in the result box's font at a point size.
using text_width = std::function<double(std::string_view text, double point_size)>;

inline constexpr double largest_result_points = layout::real_amount_box.point_size;
inline constexpr double smallest_result_points = 7.0;

// The point size the result box draws a result at: the largest size, stepping down a point at
// a time, at which the whole result fits the given number of pixels, or the smallest size
// where none does. There the box's toolkit draws the result's beginning and "…" itself while
// the box has no focus; the box always holds the whole result.
double result_point_size(std::string_view result, double available_width,
                         const text_width& width_of);

} // namespace quillmar
