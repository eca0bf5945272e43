#include "window/result_fit.h"

namespace quillmar {

double result_point_size(std::string_view result, double available_width,
                         const text_width& width_of) {
    for (double points = largest_result_points; points > smallest_result_points; points -= 1.0) {
        if (width_of(result, points) <= available_width)
            return points;
    }
    return smallest_result_points;
}

} // namespace quillmar
