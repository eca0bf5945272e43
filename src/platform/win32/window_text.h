#pragma once

#include <windows.h>

#include <string>

namespace quillmar {

// A window's or control's text, whole, as WM_GETTEXT answers it.
std::wstring window_text(HWND window);

// The same in UTF-8, as the portable code reads it.
std::string window_text_utf8(HWND window);

} // namespace quillmar
