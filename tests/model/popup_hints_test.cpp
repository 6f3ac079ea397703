#include "model/popup_hints.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

TEST(PopupHintsTest, ShownUntilTurnedOffAndTheChoiceSurvivesTheRun) {
    const TScratchFolder folder("popup-hints");
    const std::string path = folder.path("settings/dad-hints");
    {
        TPopupHints hints(path);
        EXPECT_TRUE(hints.shown());
        ASSERT_TRUE(hints.setShown(false));
        EXPECT_FALSE(hints.shown());
    }
    EXPECT_EQ(folder.read("settings/dad-hints"), "hidden\n");
    EXPECT_FALSE(TPopupHints(path).shown());
    TPopupHints again(path);
    ASSERT_TRUE(again.setShown(true));
    EXPECT_EQ(folder.read("settings/dad-hints"), "shown\n");
    EXPECT_TRUE(TPopupHints(path).shown());
    // a file that says anything else shows the hint
    folder.write("odd", "maybe\n");
    EXPECT_TRUE(TPopupHints(folder.path("odd")).shown());
    // without a file the choice holds for the run
    TPopupHints session{std::string()};
    EXPECT_TRUE(session.setShown(false));
    EXPECT_FALSE(session.shown());
}

TEST(PopupHintsTest, AFileThatCannotBeWrittenSaysSoAndTheChoiceHolds) {
    const TScratchFolder folder("popup-hints-blocked");
    // a folder where the file should be: no write succeeds, even as root
    std::filesystem::create_directories(folder.path("dad-hints"));
    TPopupHints hints(folder.path("dad-hints"));
    EXPECT_FALSE(hints.setShown(false));
    EXPECT_FALSE(hints.shown());
}
