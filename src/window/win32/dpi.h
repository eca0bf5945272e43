#pragma once

#include <windows.h>

namespace quillmar {

// The dots per inch the window is shown at: its monitor's, for a per-monitor aware program on
// Windows 10 and later, else the system's.
UINT dpi_of(HWND window);

// The outer size of a window whose client area is width x height at the given dots per inch.
SIZE window_size_for_client(int width, int height, DWORD style, DWORD ex_style, UINT dpi);

} // namespace quillmar
