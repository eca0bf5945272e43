#include "platform/win32/user_locale.h"

#include "platform/win32/utf16.h"

#include <windows.h>

#include <array>
#include <string_view>

namespace quillmar {

decimal_separator user_decimal_separator() {
    // LOCALE_SDECIMAL is at most three characters and the terminating zero.
    std::array<wchar_t, 8> text{};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text.data(),
                                       static_cast<int>(text.size()));
    if (length <= 1)
        return decimal_separator::point;
    return separator_for(
        to_utf8(std::wstring_view(text.data(), static_cast<std::size_t>(length - 1))));
}

} // namespace quillmar
