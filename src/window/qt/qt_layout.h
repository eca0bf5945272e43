#pragma once

#include "window/window_layout.h"

#include <QColor>
#include <QRect>
#include <QSize>

namespace quillmar::layout {

// Qt measures in device-independent pixels and scales the whole window on high-DPI screens,
// so every place is taken at 96 dots per inch.
constexpr QRect to_qt(twips_rect r) {
    return {to_pixels(r.left, standard_dpi), to_pixels(r.top, standard_dpi),
            to_pixels(r.width, standard_dpi), to_pixels(r.height, standard_dpi)};
}

constexpr QSize to_qt(twips_size s) {
    return {to_pixels(s.width, standard_dpi), to_pixels(s.height, standard_dpi)};
}

inline QColor to_qt(colour c) {
    return {c.red, c.green, c.blue};
}

inline colour from_qt(const QColor& c) {
    const QColor rgb = c.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

} // namespace quillmar::layout
