#pragma once

#include "platform/message_box.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace quillmar {

// The Qt message box for a message: its shown title, its prompt, the icon of its style and a
// single OK button. Built apart from showing so that it can be checked without blocking.
std::unique_ptr<QMessageBox> make_qt_message_box(const message_box& message, QWidget* parent);

// Shows the message modally over parent and returns once the user has dismissed it.
void show_qt_message_box(const message_box& message, QWidget* parent);

} // namespace quillmar
