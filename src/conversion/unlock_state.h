#pragma once

#include "platform/message_box.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace quillmar {

// One thing a press of About does: show a message and wait until it is dismissed...
struct show_message_step {
    message_box message;
    friend bool operator==(const show_message_step&, const show_message_step&) = default;
};

// ...or append a plug to the end of the chooser's list.
struct append_plug_step {
    std::string name;
    friend bool operator==(const append_plug_step&, const append_plug_step&) = default;
};

using about_step = std::variant<show_message_step, append_plug_step>;

// The message every About press shows while the hidden plug is locked.
message_box about_message();

// The message that announces the hidden plug, and the only one About shows after.
message_box unlock_message();

// Counts About presses; the fifth press while locked unlocks the hidden plug for good.
class unlock_state {
public:
    static constexpr std::int16_t presses_to_unlock = 5;

    // Starts counting again; an unlocked plug stays unlocked.
    void reset() { about_clicks_ = 0; }

    // The steps of one press of About, in the order they are to be carried out.
    std::vector<about_step> on_about();

private:
    std::int16_t about_clicks_ = 0;
    bool extra_plug_unlocked_ = false;
};

} // namespace quillmar
