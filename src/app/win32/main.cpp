// The Windows program: the window and the message loop that serves it.
#include "platform/win32/dll_search.h"
#include "window/win32/main_window.h"

#include <commctrl.h>
#include <objbase.h>

// The last parameter keeps the name windows.h declares it with.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int nShowCmd) {
    quillmar::load_dlls_from_system32_only();
    // The manifest asks for the visual-style controls; they are registered here.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Assistive tools' names for the controls are kept by a COM service.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    // Where the window cannot be made, it has told the user why, and the program ends.
    int status = 1;
    {
        quillmar::main_window window(instance);
        if (window.handle() != nullptr) {
            window.load();
            window.show(nShowCmd);
            MSG message{};
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                if (!window.take_dialog_key(message)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
            status = static_cast<int>(message.wParam);
        }
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
