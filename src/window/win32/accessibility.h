#pragma once

#include <windows.h>

#include <string_view>

namespace quillmar {

// Gives a control the name assistive tools announce for it, where Windows would otherwise take
// its text (a combo box's typed text) or a neighbouring label that is not its own. Needs COM
// on the calling thread; without it the control keeps the name Windows gives it, and the
// returned result says why.
HRESULT name_for_assistive_tools(HWND control, std::string_view name);

} // namespace quillmar
