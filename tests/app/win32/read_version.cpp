// Reads a program's version record back the way Windows does, through the version API, and
// compares the values named on the command line:
//   read_version <file> <block> [Name=value...]
// A name is a string of the block, or Translation, FILEVERSION or PRODUCTVERSION. Prints each
// value it read; exits 0 only when every one matches, 1 on a mismatch, 2 on a misuse and 3 on
// any crash.
#include "exit_on_crash.h"
#include "platform/win32/utf16.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using quillmar::to_utf8;

std::wstring version_numbers(DWORD most, DWORD least) {
    return std::to_wstring(HIWORD(most)) + L'.' + std::to_wstring(LOWORD(most)) + L'.' +
           std::to_wstring(HIWORD(least)) + L'.' + std::to_wstring(LOWORD(least));
}

// One value of the record, or nothing when the record has none by that name.
std::optional<std::wstring> value_of(const std::vector<unsigned char>& record,
                                     const std::wstring& block, const std::wstring& name) {
    void* value = nullptr;
    UINT length = 0;
    if (name == L"Translation") {
        if (VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &value, &length) == 0 ||
            length < 2 * sizeof(WORD))
            return std::nullopt;
        const auto* pair = static_cast<const WORD*>(value);
        wchar_t text[9] = {};
        swprintf(text, 9, L"%04X%04X", pair[0], pair[1]);
        return text;
    }
    if (name == L"FILEVERSION" || name == L"PRODUCTVERSION") {
        if (VerQueryValueW(record.data(), L"\\", &value, &length) == 0 ||
            length < sizeof(VS_FIXEDFILEINFO))
            return std::nullopt;
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        return name == L"FILEVERSION"
                   ? version_numbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS)
                   : version_numbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
    }
    const std::wstring path = L"\\StringFileInfo\\" + block + L"\\" + name;
    if (VerQueryValueW(record.data(), path.c_str(), &value, &length) == 0)
        return std::nullopt;
    return length > 0 ? std::wstring(static_cast<const wchar_t*>(value)) : L"";
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    quillmar::testing_support::exit_on_crash();
    if (argc < 3) {
        std::fputs("usage: read_version <file> <block> [Name=value...]\n", stderr);
        return 2;
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(argv[1], &ignored);
    std::vector<unsigned char> record(size);
    if (size == 0 || GetFileVersionInfoW(argv[1], 0, size, record.data()) == 0) {
        std::printf("no readable version record, error %lu\n", GetLastError());
        return 1;
    }
    int mismatches = 0;
    for (int i = 3; i < argc; ++i) {
        const std::wstring expected = argv[i];
        const auto equals = expected.find(L'=');
        if (equals == std::wstring::npos) {
            std::fprintf(stderr, "not Name=value: %s\n", to_utf8(expected).c_str());
            return 2;
        }
        const std::wstring name = expected.substr(0, equals);
        const std::optional<std::wstring> read = value_of(record, argv[2], name);
        std::printf("%s=%s\n", to_utf8(name).c_str(),
                    read ? to_utf8(*read).c_str() : "(none in the record)");
        if (read != expected.substr(equals + 1)) {
            std::printf("MISMATCH: expected %s\n", to_utf8(expected).c_str());
            ++mismatches;
        }
    }
    if (mismatches != 0)
        return 1;
    std::printf("all %d expected values match\n", argc - 3);
    return 0;
}
