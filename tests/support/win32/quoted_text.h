#pragma once

// UTF-8 text as parameterised tests' names show it: in double quotes on one line, each byte
// outside printable ASCII as \xNN, so that ctest's list reads the same on every console.
#include <ostream>
#include <string_view>

namespace quillmar::testing_support {

inline void print_quoted(std::string_view utf8, std::ostream& out) {
    constexpr char digits[] = "0123456789abcdef";
    out << '"';
    for (const unsigned char byte : utf8) {
        if (byte >= 0x20 && byte < 0x7f) {
            out << static_cast<char>(byte);
        } else {
            out << "\\x" << digits[byte >> 4] << digits[byte & 0xf];
        }
    }
    out << '"';
}

} // namespace quillmar::testing_support
