#pragma once

#include "platform/message_box.h"

#include <string>

namespace quillmar {

// What the window's handlers need of the window: each front end's window implements it (Qt,
// Win32 and the web page), and tests stand in for it to check the handlers without any widget.
class main_view {
public:
    virtual ~main_view() = default;

    // The chooser's text: a picked plug's name or whatever the user typed.
    [[nodiscard]] virtual std::string plug_text() const = 0;
    [[nodiscard]] virtual std::string amount_text() const = 0;
    virtual void set_result_text(const std::string& text) = 0;
    virtual void set_calculate_caption(const std::string& caption) = 0;
    // Adds a plug at the end of the chooser's list without changing the chooser's text.
    virtual void append_plug(const std::string& name) = 0;
    // Shows a modal message and returns once the user has dismissed it.
    virtual void show_message(const message_box& message) = 0;
};

} // namespace quillmar
