#pragma once

#include "platform/message_box.h"

namespace quillmar {

// Shows one message in the page's modal dialog, with its title, its style's icon and an OK
// button, and returns once the dialog has closed (by OK, Return, Space or Escape). The page's
// event loop goes on meanwhile: the caller's stack is unwound and rewound around the wait.
void show_page_message_box(const message_box& message);

} // namespace quillmar
