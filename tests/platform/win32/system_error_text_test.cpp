// Windows' own words for an error, and where it has none, still something plain.
#include "platform/win32/system_error_text.h"

#include <gtest/gtest.h>
#include <string>

TEST(SystemErrorText, IsWindowsOwnSentenceWithoutItsLineBreakOrAPlainOne) {
    const std::string own = quillmar::system_error_text(ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_TRUE(!own.empty() && own.back() == '.') << own;
    EXPECT_EQ(quillmar::system_error_text(ERROR_SUCCESS), "Windows gave no reason.");
    // Bit 29 marks the codes programs define for themselves, of which Windows knows none.
    EXPECT_EQ(quillmar::system_error_text(0x20000001), "Windows error 536870913.");
}
