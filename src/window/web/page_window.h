#pragma once

#include "window/main_controller.h"
#include "window/main_view.h"

namespace quillmar {

// The program's one window as the page's elements: the title, the plug chooser, the amount
// box, Calculate, the result box and About, at the layout's places on the dark green ground,
// where the build has drawn them (first_window.h). The handlers live in main_controller; the
// page's script calls them, one at a time, for the user's clicks and keys, and this class only
// carries the elements' texts.
class page_window : private main_view {
public:
    page_window();

    // Fills the chooser; called once, before the page shows the window.
    void load();
    [[nodiscard]] main_controller& handlers() { return controller_; }
    // The title's colour follows the page's colour scheme; the page calls this when it changes.
    void colour_title();

private:
    [[nodiscard]] std::string plug_text() const override;
    [[nodiscard]] std::string amount_text() const override;
    void set_result_text(const std::string& text) override;
    void set_calculate_caption(const std::string& caption) override;
    void append_plug(const std::string& name) override;
    void show_message(const message_box& message) override;

    main_controller controller_;
};

} // namespace quillmar
