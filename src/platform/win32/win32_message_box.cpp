#include "platform/win32/win32_message_box.h"

#include "platform/win32/utf16.h"

namespace quillmar {

UINT message_box_flags(const message_box& message) {
    // The program's style numbers are the Windows icon flags themselves.
    static_assert(static_cast<UINT>(message_style::critical) == MB_ICONERROR);
    static_assert(static_cast<UINT>(message_style::exclamation) == MB_ICONWARNING);
    static_assert(static_cast<UINT>(message_style::information) == MB_ICONINFORMATION);
    return MB_OK | MB_APPLMODAL | MB_SETFOREGROUND | static_cast<UINT>(message.style);
}

void show_win32_message_box(const message_box& message, HWND owner) {
    MessageBoxW(owner, to_utf16(message.prompt).c_str(), to_utf16(shown_title(message)).c_str(),
                message_box_flags(message));
}

} // namespace quillmar
