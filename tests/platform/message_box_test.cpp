#include "platform/message_box.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

TEST(MessageBox, WithoutTitleIsShownWithTheApplicationTitle) {
    EXPECT_EQ(shown_title({"Please select a plug.", message_style::plain, std::nullopt}),
              "Quillmar95");
}

TEST(MessageBox, OwnTitleIsShownAsItStands) {
    EXPECT_EQ(shown_title({"x", message_style::information, "huleni"}), "huleni");
    // An empty title is a title of its own, not a missing one.
    EXPECT_EQ(shown_title({"x", message_style::information, ""}), "");
}

} // namespace
} // namespace quillmar
