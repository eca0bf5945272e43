// Reads a program's version record back the way Windows does, through the version API:
// prints the translations, the fixed FILEVERSION and PRODUCTVERSION numbers and the block's
// standard strings, then compares them with the expected "Name=value" arguments.
//   read_version <file> <block> [Name=value...]
// Names are string names, or Translation, FILEVERSION and PRODUCTVERSION. Exits 0 only when
// every expected value matches; 1 on a mismatch, 2 on a misuse, 3 on any crash.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Under Wine a crashed program can end with status 0: every crash ends with 3 instead.
LONG WINAPI end_on_crash(EXCEPTION_POINTERS* exception) {
    std::fprintf(stderr, "crashed: exception 0x%08lx\n", exception->ExceptionRecord->ExceptionCode);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

std::string utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
}

std::wstring hex4(unsigned value) {
    wchar_t text[5];
    swprintf(text, 5, L"%04X", value & 0xFFFFu);
    return text;
}

std::wstring numbers(DWORD most, DWORD least) {
    return std::to_wstring(HIWORD(most)) + L'.' + std::to_wstring(LOWORD(most)) + L'.' +
           std::to_wstring(HIWORD(least)) + L'.' + std::to_wstring(LOWORD(least));
}

// The values of the record, by name, in the order they are printed.
std::vector<std::pair<std::wstring, std::wstring>> read_record(const std::wstring& file,
                                                               const std::wstring& block) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
    if (size == 0)
        throw std::runtime_error("no version record, error " + std::to_string(GetLastError()));
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data()))
        throw std::runtime_error("unreadable version record");

    std::vector<std::pair<std::wstring, std::wstring>> record;
    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &value, &length)) {
        const auto* pairs = static_cast<const WORD*>(value);
        std::wstring translations;
        for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2)
            translations +=
                (translations.empty() ? L"" : L" ") + hex4(pairs[i]) + hex4(pairs[i + 1]);
        record.emplace_back(L"Translation", translations);
    }
    if (VerQueryValueW(data.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        if (fixed->dwSignature == 0xFEEF04BD) {
            record.emplace_back(L"FILEVERSION",
                                numbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS));
            record.emplace_back(L"PRODUCTVERSION",
                                numbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
        }
    }
    static const wchar_t* const names[] = {
        L"Comments",     L"CompanyName",    L"FileDescription", L"FileVersion",
        L"InternalName", L"LegalCopyright", L"LegalTrademarks", L"OriginalFilename",
        L"PrivateBuild", L"ProductName",    L"ProductVersion",  L"SpecialBuild"};
    for (const wchar_t* name : names) {
        const std::wstring path = L"\\StringFileInfo\\" + block + L"\\" + name;
        if (VerQueryValueW(data.data(), path.c_str(), &value, &length))
            record.emplace_back(name, length > 0 ? std::wstring(static_cast<const wchar_t*>(value))
                                                 : L"");
    }
    return record;
}

int run(int argc, wchar_t* argv[]) {
    if (argc < 3) {
        std::fputs("usage: read_version <file> <block> [Name=value...]\n", stderr);
        return 2;
    }
    const auto record = read_record(argv[1], argv[2]);
    std::map<std::wstring, std::wstring> found;
    for (const auto& [name, value] : record) {
        std::printf("%s=%s\n", utf8(name).c_str(), utf8(value).c_str());
        found[name] = value;
    }

    int mismatches = 0;
    for (int i = 3; i < argc; ++i) {
        const std::wstring expected = argv[i];
        const auto equals = expected.find(L'=');
        if (equals == std::wstring::npos) {
            std::fprintf(stderr, "not Name=value: %s\n", utf8(expected).c_str());
            return 2;
        }
        const std::wstring name = expected.substr(0, equals);
        const std::wstring value = expected.substr(equals + 1);
        const auto it = found.find(name);
        if (it == found.end()) {
            std::printf("MISSING %s, expected \"%s\"\n", utf8(name).c_str(), utf8(value).c_str());
            ++mismatches;
        } else if (it->second != value) {
            std::printf("MISMATCH %s: \"%s\", expected \"%s\"\n", utf8(name).c_str(),
                        utf8(it->second).c_str(), utf8(value).c_str());
            ++mismatches;
        }
    }
    if (mismatches != 0)
        return 1;
    std::printf("all %d expected values match\n", argc - 3);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    SetUnhandledExceptionFilter(end_on_crash);
    int status = 3;
    try {
        status = run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "failed: %s\n", error.what());
        status = 3;
    } catch (...) {
        std::fputs("failed: unknown exception\n", stderr);
        status = 3;
    }
    return status;
}
