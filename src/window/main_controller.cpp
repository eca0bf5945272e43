#include "window/main_controller.h"

#include "conversion/calculate.h"
#include "conversion/plug_table.h"

#include <exception>
#include <string_view>

namespace quillmar {
namespace {

constexpr std::string_view calculate_caption = "Calculate";

template <class... Handlers> struct overloaded : Handlers... { using Handlers::operator()...; };
template <class... Handlers> overloaded(Handlers...) -> overloaded<Handlers...>;

} // namespace

void main_controller::Form_Load() {
    run_guarded(&main_controller::load);
}

void main_controller::select_plug_Click() {
    run_guarded(&main_controller::pick_plug);
}

void main_controller::Calculate_btn_Click() {
    run_guarded(&main_controller::calculate_amount);
}

void main_controller::About_btn_Click() {
    run_guarded(&main_controller::press_about);
}

void main_controller::run_guarded(void (main_controller::*handler)()) {
    try {
        (this->*handler)();
    } catch (const std::exception& error) {
        view_.show_message({error.what(), message_style::critical, std::string(application_title)});
    }
}

void main_controller::load() {
    unlock_.reset();
    for (const plug& entry : plug_table)
        view_.append_plug(std::string(entry.name));
}

void main_controller::pick_plug() {
    if (view_.plug_text() == warning_plug_name)
        view_.show_message(warning_plug_message());
    // Read again: the text is what counts once the warning is gone.
    if (view_.plug_text() != extra_plug_name) {
        view_.set_calculate_caption(std::string(calculate_caption));
        view_.set_result_text({});
    }
}

void main_controller::calculate_amount() {
    const calc_outcome shown = calculate(view_.plug_text(), view_.amount_text(), separator_);
    std::visit(overloaded{
                   [this](const outcome::result& result) { view_.set_result_text(result.text); },
                   [this](const outcome::extra& extra) {
                       view_.set_result_text(extra.result_text);
                       view_.set_calculate_caption(extra.calculate_caption);
                   },
                   [this](const outcome::bad_amount& bad) { view_.show_message(bad.message); },
                   [this](const outcome::no_plug& none) { view_.show_message(none.message); },
               },
               shown);
}

void main_controller::press_about() {
    for (const about_step& step : unlock_.on_about()) {
        std::visit(overloaded{
                       [this](const show_message_step& s) { view_.show_message(s.message); },
                       [this](const append_plug_step& s) { view_.append_plug(s.name); },
                   },
                   step);
    }
}

} // namespace quillmar
