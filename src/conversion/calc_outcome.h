#pragma once

#include "platform/message_box.h"

#include <string>
#include <variant>

namespace quillmar::outcome {

// A product to show in the result box, such as "9.00g".
struct result {
    std::string text;
    friend bool operator==(const result&, const result&) = default;
};

// The hidden plug: a fixed result text and a new caption for the Calculate button.
struct extra {
    std::string result_text = "infinite";
    std::string calculate_caption = "NERES";
    friend bool operator==(const extra&, const extra&) = default;
};

// The amount is not a number; nothing was computed.
struct bad_amount {
    message_box message{"Please enter a valid numeric amount.", message_style::exclamation,
                        "Invalid Input"};
    friend bool operator==(const bad_amount&, const bad_amount&) = default;
};

// The chooser's text names no plug; shown with the application title.
struct no_plug {
    message_box message{"Please select a plug.", message_style::plain, std::nullopt};
    friend bool operator==(const no_plug&, const no_plug&) = default;
};

} // namespace quillmar::outcome

namespace quillmar {

// What one press of Calculate produces.
using calc_outcome =
    std::variant<outcome::result, outcome::extra, outcome::bad_amount, outcome::no_plug>;

} // namespace quillmar
