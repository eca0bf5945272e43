// Reads the running calculator's window from outside, as a tool would: prints the chooser's,
// the amount box's, the result box's and Calculate's texts, one "name=text" line each, in
// UTF-8. With --close it then closes the window. Exits 1 when no window is found.
#include "platform/win32/utf16.h"
#include "window/win32/main_window.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char* argv[]) {
    using quillmar::layout::control_layout;
    HWND window = FindWindowW(L"Quillmar95.main", L"Quillmar95");
    if (window == nullptr) {
        std::fputs("no Quillmar95 window\n", stderr);
        return 1;
    }
    for (const control_layout* control :
         {&quillmar::layout::select_plug, &quillmar::layout::skera_box,
          &quillmar::layout::real_amount_box, &quillmar::layout::calculate_btn}) {
        HWND part = GetDlgItem(window, quillmar::main_window::control_id(*control));
        // WM_GETTEXT crosses into the other process; GetWindowText would not.
        wchar_t text[256] = {};
        DWORD_PTR length = 0;
        SendMessageTimeoutW(part, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                            5000, &length);
        std::printf("%.*s=%s\n", static_cast<int>(control->name.size()), control->name.data(),
                    quillmar::to_utf8(text).c_str());
    }
    if (argc > 1 && std::strcmp(argv[1], "--close") == 0)
        PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
}
