#pragma once

#include <string>
#include <string_view>

namespace quillmar {

// The core speaks UTF-8 and Windows UTF-16; texts cross between the two only at the window's
// edge. Invalid sequences become U+FFFD, as Windows itself converts them.
std::wstring to_utf16(std::string_view text);
std::string to_utf8(std::wstring_view text);

} // namespace quillmar
