#include "platform/win32/window_text.h"

#include "platform/win32/utf16.h"

namespace quillmar {

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string window_text_utf8(HWND window) {
    return to_utf8(window_text(window));
}

} // namespace quillmar
