#include "window/win32/dpi.h"

namespace quillmar {
namespace {

// Both functions came with Windows 10; looked up at run time, the program still starts on
// older versions, which scale by the system's dots per inch.
template <class Function> Function user32_function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<Function>( // NOLINT: GetProcAddress's contract
                                   reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

} // namespace

UINT dpi_of(HWND window) {
    using get_dpi_for_window = UINT(WINAPI*)(HWND);
    static const auto get_dpi = user32_function<get_dpi_for_window>("GetDpiForWindow");
    if (get_dpi != nullptr && window != nullptr) {
        if (const UINT dpi = get_dpi(window); dpi != 0)
            return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

SIZE window_size_for_client(int width, int height, DWORD style, DWORD ex_style, UINT dpi) {
    using adjust_for_dpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = user32_function<adjust_for_dpi>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, width, height};
    if (adjust != nullptr)
        adjust(&frame, style, FALSE, ex_style, dpi);
    else
        AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace quillmar
