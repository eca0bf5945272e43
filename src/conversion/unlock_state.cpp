#include "conversion/unlock_state.h"

#include "conversion/plug_table.h"
#include "platform/program_identity.h"

#include <string>

namespace quillmar {

message_box about_message() {
    return {std::string("Made by ") + identity::company_name, message_style::information,
            std::string("About ") + identity::product_name};
}

message_box unlock_message() {
    return {"smack unlocked", message_style::information, "huleni"};
}

std::vector<about_step> unlock_state::on_about() {
    if (extra_plug_unlocked_)
        return {show_message_step{unlock_message()}};

    std::vector<about_step> steps{show_message_step{about_message()}};
    // Only presses made while locked are counted, so the 16-bit counter never passes 5.
    ++about_clicks_;
    if (about_clicks_ == presses_to_unlock) {
        steps.emplace_back(append_plug_step{std::string(extra_plug_name)});
        steps.emplace_back(show_message_step{unlock_message()});
        extra_plug_unlocked_ = true;
    }
    return steps;
}

} // namespace quillmar
