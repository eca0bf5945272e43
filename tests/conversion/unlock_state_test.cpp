#include "conversion/unlock_state.h"

#include <gtest/gtest.h>

namespace quillmar {
namespace {

const about_step about_shown{show_message_step{about_message()}};
const about_step unlock_shown{show_message_step{unlock_message()}};
const about_step smack_appended{append_plug_step{"smack"}};

TEST(UnlockMessages, HaveTheirExactTextsTitlesAndStyles) {
    EXPECT_EQ(about_message(), (message_box{"Made by Orvane Enterprise", message_style::information,
                                            "About Quillmar95"}));
    EXPECT_EQ(unlock_message(),
              (message_box{"smack unlocked", message_style::information, "huleni"}));
}

TEST(UnlockState, PressesOneToFourShowOnlyTheAboutMessage) {
    unlock_state state;
    state.reset();
    for (int press = 1; press <= 4; ++press) {
        EXPECT_EQ(state.on_about(), std::vector{about_shown}) << "press " << press;
    }
}

TEST(UnlockState, FifthPressShowsAboutThenAppendsSmackThenAnnouncesIt) {
    unlock_state state;
    for (int press = 1; press <= 4; ++press)
        state.on_about();
    EXPECT_EQ(state.on_about(), (std::vector{about_shown, smack_appended, unlock_shown}));
    EXPECT_EQ(state.on_about(), std::vector{unlock_shown});
}

TEST(UnlockState, LaterPressesOnlyAnnounceAndAreNotCounted) {
    unlock_state state;
    for (int press = 1; press <= 5; ++press)
        state.on_about();
    for (int press = 6; press <= 40; ++press) {
        EXPECT_EQ(state.on_about(), std::vector{unlock_shown}) << "press " << press;
    }
}

TEST(UnlockState, ResetStartsTheCountAgain) {
    unlock_state state;
    for (int press = 1; press <= 3; ++press)
        state.on_about();
    state.reset();
    for (int press = 1; press <= 4; ++press)
        EXPECT_EQ(state.on_about(), std::vector{about_shown}) << "press " << press;
    EXPECT_EQ(state.on_about().size(), 3u);
}

TEST(UnlockState, ResetKeepsTheHiddenPlugUnlocked) {
    unlock_state state;
    for (int press = 1; press <= 5; ++press)
        state.on_about();
    state.reset();
    EXPECT_EQ(state.on_about(), std::vector{unlock_shown});
}

} // namespace
} // namespace quillmar
