#pragma once

#include "window/win32/win32_fonts.h"

#include <windows.h>

#include <string>

namespace quillmar {

// The result box's behaviour over a read-only EDIT control: a long result is shown whole in
// a smaller font, down to 7 points, and past that as its beginning followed by "…". The box's
// text as every reader gets it (WM_GETTEXT, and so assistive tools), what is copied from it and
// its tooltip stay the whole result.
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
    static LRESULT CALLBACK procedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void copy_whole_result() const;

    HWND box_ = nullptr;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    UINT dpi_ = 96;
    std::wstring whole_;
    bool shortened_ = false;
    unique_font font_;
};

} // namespace quillmar
