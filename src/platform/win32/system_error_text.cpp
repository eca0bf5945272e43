#include "platform/win32/system_error_text.h"

#include "platform/win32/utf16.h"

#include <array>

namespace quillmar {

std::string system_error_text(DWORD code) {
    // Code 0 is Windows' "success": a call that failed without setting an error gives no reason.
    if (code == ERROR_SUCCESS)
        return "Windows gave no reason.";
    std::array<wchar_t, 512> text{};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                  text.data(), static_cast<DWORD>(text.size()), nullptr);
    while (length > 0 &&
           (text[length - 1] == L'\n' || text[length - 1] == L'\r' || text[length - 1] == L' '))
        --length;
    if (length == 0)
        return "Windows error " + std::to_string(code) + ".";
    return to_utf8(std::wstring_view(text.data(), length));
}

} // namespace quillmar
