// A DLL planted beside a program: Windows' default search finds it, but not once the program
// has DLLs load from System32 alone; Windows' own DLLs still load.
#include "platform/win32/dll_search.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(DllSearch, ADllPlantedBesideTheProgramIsNotLoadedOnceOnlySystem32Counts) {
    HMODULE planted = LoadLibraryW(L"planted_dll.dll");
    ASSERT_NE(planted, nullptr) << "by default the DLL beside the test program loads";
    FreeLibrary(planted);
    quillmar::load_dlls_from_system32_only();
    // cppcheck-suppress leakReturnValNotUsed ; it must not load, so there is nothing to free
    EXPECT_EQ(LoadLibraryW(L"planted_dll.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    HMODULE system = LoadLibraryW(L"version.dll");
    EXPECT_NE(system, nullptr) << "a DLL of System32 still loads";
    FreeLibrary(system);
}
