#include "conversion/plug_table.h"

namespace quillmar {

message_box warning_plug_message() {
    return {"budou to mordy skera tak ara", message_style::exclamation, "Warning"};
}

std::optional<double> plug_factor(std::string_view name) {
    for (const plug& entry : plug_table) {
        if (entry.name == name)
            return entry.factor;
    }
    return std::nullopt;
}

} // namespace quillmar
