#include "platform/message_box.h"

namespace quillmar {

std::string shown_title(const message_box& message) {
    return message.title.value_or(std::string(application_title));
}

} // namespace quillmar
