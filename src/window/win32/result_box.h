#pragma once

#include "window/win32/win32_fonts.h"

#include <windows.h>

#include <string>

namespace quillmar {

// The result box's behaviour over a read-only EDIT control, which always holds the whole
// result: selection, copying, assistive tools and the tooltip all get it. A long result is
// drawn in a smaller font, down to 7 points. One that does not fit even there is drawn, while
// the box has no focus, as its beginning followed by "…", by DrawTextW's own end ellipsis;
// with the focus the box is the plain EDIT control, which scrolls through it.
class result_box {
public:
    result_box() = default;
    ~result_box();
    result_box(const result_box&) = delete;
    result_box& operator=(const result_box&) = delete;

    // Takes over the box, once it and its window exist.
    void attach(HWND box, HWND window);

    void show(const std::string& result);

    // Fits the result again, for the box's font at a new dots per inch.
    void fit(UINT dpi);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR self);
    LRESULT handle_box(UINT message, WPARAM wparam, LPARAM lparam);
    void paint_elided();

    // Both are forgotten as Windows destroys them (WM_NCDESTROY), so that nothing is ever
    // asked of a handle that Windows may have given to another window since.
    HWND box_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::wstring whole_;
    // Whether the result does not fit the box even at the smallest size.
    bool elided_ = false;
    unique_font font_;
};

} // namespace quillmar
