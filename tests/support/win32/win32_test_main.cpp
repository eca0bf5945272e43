// Runs GoogleTest with the common controls registered and COM started, as the program runs.
// Under Wine a crashing program can exit with status 0; here a crash always fails the run.
#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <exception>
#include <gtest/gtest.h>
#include <objbase.h>

namespace {

constexpr UINT crashed = 3;

LONG WINAPI exit_on_crash(EXCEPTION_POINTERS* exception) {
    std::fprintf(stderr, "crashed with exception 0x%08lx\n",
                 static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode));
    std::fflush(stderr);
    ExitProcess(crashed);
}

} // namespace

int main(int argc, char* argv[]) {
    SetUnhandledExceptionFilter(&exit_on_crash);
    std::set_terminate([] {
        std::fputs("terminated by an unhandled C++ exception\n", stderr);
        std::fflush(stderr);
        ExitProcess(crashed);
    });
    testing::InitGoogleTest(&argc, argv);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}
