#pragma once

#include <windows.h>

#include <string>

namespace quillmar {

// A window's or control's text, whole, as WM_GETTEXT answers it.
std::wstring window_text(HWND window);

} // namespace quillmar
