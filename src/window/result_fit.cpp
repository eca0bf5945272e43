#include "window/result_fit.h"

#include <cstddef>

namespace quillmar {
namespace {

bool starts_character(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; // not a UTF-8 continuation
}

} // namespace

double result_point_size(std::string_view result, double available_width,
                         const text_width& width_of) {
    for (double points = largest_result_points; points > smallest_result_points; points -= 1.0) {
        if (width_of(result, points) <= available_width)
            return points;
    }
    return smallest_result_points;
}

result_fit fit_result(std::string_view result, double available_width, const text_width& width_of) {
    if (const double points = result_point_size(result, available_width, width_of);
        points > smallest_result_points || width_of(result, points) <= available_width)
        return {points, std::string(result)};

    // The widest beginning that leaves room for "…": a longer beginning is never narrower.
    const auto fits = [&](std::size_t length) {
        return width_of(std::string(result.substr(0, length)) + std::string(ellipsis),
                        smallest_result_points) <= available_width;
    };
    std::size_t fitting = 0;
    std::size_t too_long = result.size();
    while (too_long - fitting > 1) {
        const std::size_t middle = fitting + (too_long - fitting) / 2;
        (fits(middle) ? fitting : too_long) = middle;
    }
    while (fitting > 0 && !starts_character(result[fitting]))
        --fitting;
    return {smallest_result_points, std::string(result.substr(0, fitting)) + std::string(ellipsis)};
}

} // namespace quillmar
