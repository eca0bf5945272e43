#include "window/win32/dpi.h"

namespace quillmar {

UINT dpi_of(HWND window) {
    // GetDpiForWindow came with Windows 10; looked up at run time, the program still starts
    // on older versions, which scale by the system's dots per inch.
    using get_dpi_for_window = UINT(WINAPI*)(HWND);
    static const auto get_dpi = reinterpret_cast<get_dpi_for_window>( // NOLINT: GetProcAddress
        reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (get_dpi != nullptr && window != nullptr) {
        if (const UINT dpi = get_dpi(window); dpi != 0)
            return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

} // namespace quillmar
