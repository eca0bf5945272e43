#pragma once

#include "conversion/unlock_state.h"
#include "platform/decimal_separator.h"
#include "window/main_view.h"

namespace quillmar {

// The window's four event handlers. Each runs to completion; an error that a handler does not
// expect (such as an overflowing product) ends that handler, changes no control, and is shown
// in a critical message box, so no exception ever reaches the event loop.
class main_controller {
public:
    // Amounts are read and results written with the decimal separator of the user's locale.
    main_controller(main_view& view, decimal_separator separator)
        : view_(view), separator_(separator) {}

    // Once, before the window is first shown: fills the chooser's list.
    void Form_Load();
    // Each time the user makes a list entry the chooser's selection.
    void select_plug_Click();
    void Calculate_btn_Click();
    void About_btn_Click();

private:
    void load();
    void pick_plug();
    void calculate_amount();
    void press_about();
    void run_guarded(void (main_controller::*handler)());

    main_view& view_;
    decimal_separator separator_;
    unlock_state unlock_;
};

} // namespace quillmar
