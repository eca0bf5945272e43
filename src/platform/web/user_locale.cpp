#include "platform/web/user_locale.h"

#include <emscripten/emscripten.h>

namespace {

// The bodies of EM_JS are JavaScript, which clang-format would take for C++.
// clang-format off

// The character Intl writes between the whole part and the fraction of 1.5.
EM_JS(int, decimal_point_code, (), {
    const parts = new Intl.NumberFormat(navigator.languages).formatToParts(1.5);
    return parts.find(part => part.type == "decimal").value.charCodeAt(0);
});
// clang-format on

} // namespace

namespace quillmar {

decimal_separator user_decimal_separator() {
    const int code = decimal_point_code();
    // Only an ASCII comma selects the comma; any other point, such as the Arabic one, reads as
    // the full stop.
    const char point = code == ',' ? ',' : '.';
    return separator_for(std::string_view(&point, 1));
}

} // namespace quillmar
