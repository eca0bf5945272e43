#include "platform/web/page_message_box.h"

#include <emscripten/emscripten.h>

namespace {

// The bodies of EM_JS are JavaScript, which clang-format would take for C++.
// clang-format off

// The dialog tells its icon by the style's number; showModal() makes the rest of the page
// inert, and OK takes the focus. Escape closes the dialog without a submit, so the
// wait ends on "close", which every way of dismissing it sends.
EM_ASYNC_JS(void, show_dialog, (const char* title, const char* prompt, int style), {
    const dialog = document.getElementById("message");
    document.getElementById("message_title").textContent = UTF8ToString(title);
    document.getElementById("message_prompt").textContent = UTF8ToString(prompt);
    dialog.dataset.style = style;
    await new Promise(closed => {
        dialog.addEventListener("close", closed, {once: true});
        dialog.showModal();
        dialog.querySelector("button").focus();
    });
});
// clang-format on

} // namespace

namespace quillmar {

void show_page_message_box(const message_box& message) {
    show_dialog(shown_title(message).c_str(), message.prompt.c_str(),
                static_cast<int>(message.style));
}

} // namespace quillmar
