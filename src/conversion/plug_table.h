#pragma once

#include "platform/message_box.h"

#include <array>
#include <optional>
#include <string_view>

namespace quillmar {

// A plug: the name shown in the chooser, which is also the key Calculate matches, and the
// factor an amount is multiplied by.
struct plug {
    std::string_view name;
    double factor;
};

// The plugs in the order they fill the chooser. Three factors are one unit in the last place
// below the decimal they resemble (0.9, 0.75, 1.3), and results such as 2.5 with "morlu" depend
// on exactly that. Hexadecimal literals name those doubles bit for bit, where a decimal one
// leaves the last bit to how the compiler rounds it.
inline constexpr std::array<plug, 5> plug_table{{
    {"tvex", 0x1.cccccccccccccp-1},
    {"morlu", 0x1.7ffffffffffffp-1},
    {"kasprel", 0x1.4ccccccccccccp+0},
    {"ulvo", 1.0},
    {"vietnamci", 1.0},
}};

// The hidden plug that About unlocks; it has no factor.
inline constexpr std::string_view extra_plug_name = "smack";

// The plug that warns when it is picked from the list.
inline constexpr std::string_view warning_plug_name = "vietnamci";

// The warning shown when the warning plug is picked.
message_box warning_plug_message();

// The factor of the plug whose name is exactly the text (case and spaces count), if any.
std::optional<double> plug_factor(std::string_view name);

} // namespace quillmar
