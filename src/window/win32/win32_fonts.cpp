#include "window/win32/win32_fonts.h"

#include "platform/win32/utf16.h"

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace quillmar {
namespace {

// The TrueType successor of MS Sans Serif, with the same design and widths.
constexpr wchar_t scalable_sans_serif[] = L"Microsoft Sans Serif";

int CALLBACK note_raster(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD type,
                         LPARAM raster) {
    *reinterpret_cast<bool*>(raster) = (type & RASTER_FONTTYPE) != 0;
    return 0; // the first font of the family tells
}

// Whether the installed font of the family is a bitmap font.
bool is_raster_family(const std::wstring& family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool raster = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, &note_raster, reinterpret_cast<LPARAM>(&raster), 0);
    ReleaseDC(nullptr, screen);
    return raster;
}

// A bitmap font comes in a few sizes of a 96-dpi screen, and not every one of them bold: the
// window asks for the family's scalable successor instead, so that its text has its size and
// weight at every scale.
// The answer is kept: the result box asks again at every result it fits.
const std::wstring& scalable_family(std::string_view family) {
    static std::map<std::string, std::wstring, std::less<>> known;
    if (const auto found = known.find(family); found != known.end())
        return found->second;
    std::wstring wide = to_utf16(family);
    if (is_raster_family(wide))
        wide = scalable_sans_serif;
    return known.emplace(std::string(family), std::move(wide)).first->second;
}

} // namespace

unique_font make_font(const layout::control_layout& control, UINT dpi) {
    return make_font(control, control.point_size, dpi);
}

unique_font make_font(const layout::control_layout& control, double point_size, UINT dpi) {
    // A negative height asks for the character height, which is what a point size measures.
    const int height = -static_cast<int>(std::lround(point_size * dpi / 72.0));
    return unique_font(CreateFontW(height, 0, 0, 0, layout::font_weight, FALSE, FALSE, FALSE,
                                   ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                   scalable_family(control.family).c_str()));
}

} // namespace quillmar
