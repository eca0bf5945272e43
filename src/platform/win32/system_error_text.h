#pragma once

#include <windows.h>

#include <string>

namespace quillmar {

// Windows' own sentence for an error code, such as GetLastError() gives, in UTF-8 and in the
// user's language, without the line break Windows ends it with. Where Windows has none, or the
// code is 0 and so names no error, a plain sentence that says so.
std::string system_error_text(DWORD code);

} // namespace quillmar
