#include "window/web/page_window.h"

#include <emscripten/emscripten.h>

namespace {

// The window lives as long as the page: main() returns at once, and the page's script calls
// the handlers below for the user's input from then on.
quillmar::page_window& window() {
    static quillmar::page_window page;
    return page;
}

} // namespace

// The handlers the page's script calls, one at a time. Those that show a message return to
// the script while it is up, and end once it is closed.
extern "C" {
EMSCRIPTEN_KEEPALIVE void quillmar_select_plug_click() {
    window().handlers().select_plug_Click();
}
EMSCRIPTEN_KEEPALIVE void quillmar_calculate_click() {
    window().handlers().Calculate_btn_Click();
}
EMSCRIPTEN_KEEPALIVE void quillmar_about_click() {
    window().handlers().About_btn_Click();
}
EMSCRIPTEN_KEEPALIVE void quillmar_colour_title() {
    window().colour_title();
}
}

int main() {
    window().load();
}
