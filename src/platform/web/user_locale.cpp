#include "platform/web/user_locale.h"

#include <emscripten/emscripten.h>

namespace {

// The bodies of EM_JS are JavaScript, which clang-format would take for C++.
// clang-format off

// The character Intl writes between the whole part and the fraction of 1.5, in the first of
// the browser's languages that Intl accepts; a user may have typed anything into that list,
// "C" say. With none, the full stop.
EM_JS(int, decimal_point_code, (), {
    for (const language of navigator.languages || []) {
        try {
            const parts = new Intl.NumberFormat(language).formatToParts(1.5);
            return parts.find(part => part.type == "decimal").value.charCodeAt(0);
        } catch (rejected) {
        }
    }
    return 46;
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
