// Where Windows has no words for an error, the text still says something plain.
#include "platform/win32/system_error_text.h"

#include <gtest/gtest.h>

TEST(SystemErrorText, IsAPlainSentenceWhereWindowsHasNoTextForTheCode) {
    EXPECT_EQ(quillmar::system_error_text(ERROR_SUCCESS), "Windows gave no reason.");
    // Bit 29 marks the codes programs define for themselves, of which Windows knows none.
    EXPECT_EQ(quillmar::system_error_text(0x20000001), "Windows error 536870913.");
}
