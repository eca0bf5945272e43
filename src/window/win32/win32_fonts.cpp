#include "window/win32/win32_fonts.h"

#include "platform/win32/utf16.h"

#include <cmath>

namespace quillmar {

unique_font make_font(const layout::control_layout& control, UINT dpi) {
    // A negative height asks for the character height, which is what a point size measures.
    const int height = -static_cast<int>(std::lround(control.point_size * dpi / 72.0));
    return unique_font(CreateFontW(height, 0, 0, 0, layout::font_weight, FALSE, FALSE, FALSE,
                                   ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                   to_utf16(control.family).c_str()));
}

} // namespace quillmar
