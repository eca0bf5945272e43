#include "platform/win32/utf16.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace quillmar {
namespace {

struct utf16_case {
    std::string utf8;
    std::wstring utf16;
};

// The test's name shows the UTF-8 text on one line, each byte outside printable ASCII as \xNN.
void PrintTo(const utf16_case& c, std::ostream* out) {
    constexpr char digits[] = "0123456789abcdef";
    *out << '"';
    for (const unsigned char byte : c.utf8) {
        if (byte >= 0x20 && byte < 0x7f) {
            *out << static_cast<char>(byte);
        } else {
            *out << "\\x" << digits[byte >> 4] << digits[byte & 0xf];
        }
    }
    *out << '"';
}

class Utf16 : public testing::TestWithParam<utf16_case> {};

TEST_P(Utf16, CrossesToWindowsAndBackUnchanged) {
    EXPECT_EQ(to_utf16(GetParam().utf8), GetParam().utf16);
    EXPECT_EQ(to_utf8(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16,
    testing::Values(utf16_case{"", L""}, utf16_case{"kasprel", L"kasprel"},
                    // two bytes, three bytes, and four bytes that Windows keeps as a pair
                    utf16_case{"k\xc3\xa4sprel", L"k\u00e4sprel"},
                    utf16_case{"1\xe2\x82\xac", L"1\u20ac"},
                    utf16_case{"\xf0\x9f\x94\x8c", L"\xd83d\xdd0c"},
                    // an embedded NUL is part of the text, not its end
                    utf16_case{std::string("a\0b", 3), std::wstring(L"a\0b", 3)}));

TEST(Utf16Invalid, BytesThatAreNoUtf8BecomeTheReplacementCharacter) {
    EXPECT_EQ(to_utf16("a\xff"
                       "b"),
              L"a\ufffdb");
}

} // namespace
} // namespace quillmar
