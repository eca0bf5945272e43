#pragma once

#include "platform/program_identity.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmar {

// The title every message without one of its own is shown with: the program's name.
inline constexpr std::string_view application_title = identity::product_name;

// The icon of a modal message; every style has a single OK button. The numbers are the icon
// values of the Windows message box (MB_ICONHAND, MB_ICONEXCLAMATION, MB_ICONINFORMATION; 0 is
// no icon), which the Win32 front end passes on as they are.
enum class message_style : int {
    plain = 0,
    critical = 16,
    exclamation = 48,
    information = 64,
};

// One modal message: what it says, its icon and, optionally, its own title.
struct message_box {
    std::string prompt;
    message_style style = message_style::plain;
    std::optional<std::string> title;

    friend bool operator==(const message_box&, const message_box&) = default;
};

// The title the message is shown with: its own, or else the application title.
std::string shown_title(const message_box& message);

} // namespace quillmar
