// Runs GoogleTest with the common controls registered and COM started, as the program runs.
#include "exit_on_crash.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

int main(int argc, char* argv[]) {
    quillmar::testing_support::exit_on_crash();
    testing::InitGoogleTest(&argc, argv);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}
