#pragma once

#include "platform/message_box.h"

#include <windows.h>

namespace quillmar {

// The MessageBoxW flags of a message: a single OK button, the icon of its style, and modal to
// its owner window (or to the program when it has none).
UINT message_box_flags(const message_box& message);

// Shows the message modally over owner and returns once the user has dismissed it.
void show_win32_message_box(const message_box& message, HWND owner);

} // namespace quillmar
