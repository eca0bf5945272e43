// A DLL planted beside a program: Windows' default search finds it, but not once the program
// has DLLs load from System32 alone.
#include "platform/win32/dll_search.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace quillmar {
namespace {

TEST(DllSearch, ADllPlantedBesideTheProgramIsNotLoadedOnceOnlySystem32Counts) {
    HMODULE planted = LoadLibraryW(L"planted_dll.dll");
    ASSERT_NE(planted, nullptr) << "by default the DLL beside the test program loads";
    FreeLibrary(planted);

    load_dlls_from_system32_only();
    planted = LoadLibraryW(L"planted_dll.dll");
    EXPECT_EQ(planted, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_NE(LoadLibraryW(L"version.dll"), nullptr) << "Windows' own DLLs still load";
}

} // namespace
} // namespace quillmar
