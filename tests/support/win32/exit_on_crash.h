#pragma once

// Under Wine a crashing program can end with status 0. A test program calls this first, and
// a crash or an unhandled C++ exception then always ends it with status 3.
#include <windows.h>

#include <cstdio>
#include <exception>

namespace quillmar::testing_support {

inline constexpr UINT crashed = 3;

// Windows calls it with stdcall, which a lambda is not on 32-bit Windows.
inline LONG WINAPI end_crashed(EXCEPTION_POINTERS* exception) {
    std::fprintf(stderr, "crashed with exception 0x%08lx\n",
                 static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode));
    std::fflush(stderr);
    ExitProcess(crashed);
}

inline void exit_on_crash() {
    SetUnhandledExceptionFilter(&end_crashed);
    std::set_terminate([] {
        std::fputs("terminated by an unhandled C++ exception\n", stderr);
        std::fflush(stderr);
        ExitProcess(crashed);
    });
}

} // namespace quillmar::testing_support
