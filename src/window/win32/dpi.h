#pragma once

#include <windows.h>

namespace quillmar {

// The dots per inch the window is shown at: its monitor's, for a per-monitor aware program on
// Windows 10 and later, else the system's.
UINT dpi_of(HWND window);

} // namespace quillmar
