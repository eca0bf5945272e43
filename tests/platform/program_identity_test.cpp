// The program's name, maker and version, as CMake generates them for the window and the
// desktop; CMake must keep the version's two decimals ("1.00", not "1" or "1.0").
#include "platform/program_identity.h"

#include <gtest/gtest.h>
#include <string_view>

namespace quillmar::identity {
namespace {

TEST(ProgramIdentity, NamesTheProductMakerVersionAndDesktopEntry) {
    EXPECT_EQ(std::string_view(product_name), "Quillmar95");
    EXPECT_EQ(std::string_view(company_name), "Orvane Enterprise");
    EXPECT_EQ(std::string_view(version), "1.00");
    EXPECT_EQ(std::string_view(desktop_id), "com.orvane.Quillmar95");
}

} // namespace
} // namespace quillmar::identity
