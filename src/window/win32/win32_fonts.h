#pragma once

#include "window/window_layout.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace quillmar {

struct font_deleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using unique_font = std::unique_ptr<std::remove_pointer_t<HFONT>, font_deleter>;

// The bold font of one control at the given dots per inch, by the family and point size the
// layout gives; a bitmap family gives way to its scalable successor, and Windows substitutes
// its nearest font for a missing family.
unique_font make_font(const layout::control_layout& control, UINT dpi);

// The same at another point size, for a control whose text shrinks to fit.
unique_font make_font(const layout::control_layout& control, double point_size, UINT dpi);

} // namespace quillmar
