#include "conversion/plug_table.h"

#include <algorithm>

namespace quillmar {

message_box warning_plug_message() {
    return {"budou to mordy skera tak ara", message_style::exclamation, "Warning"};
}

std::optional<double> plug_factor(std::string_view name) {
    const auto* entry = std::find_if(plug_table.begin(), plug_table.end(),
                                     [name](const plug& p) { return p.name == name; });
    if (entry == plug_table.end())
        return std::nullopt;
    return entry->factor;
}

} // namespace quillmar
