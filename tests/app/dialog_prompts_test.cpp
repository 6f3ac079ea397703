#include "app/dialog_prompts.h"

#include <gtest/gtest.h>

TEST(DialogPromptsTest, FileFiltersBecomeQtNameFilters) {
    // the window's own filters carry their pattern in the label already
    EXPECT_EQ(qtNameFilters("(*.tnr)|*.tnr|Any file|*.*"), "(*.tnr);;Any file (*.*)");
    EXPECT_EQ(qtNameFilters("(*.mid)|*.mid|Any file|*.*"), "(*.mid);;Any file (*.*)");
    // several patterns of one entry are separated by blanks for Qt
    EXPECT_EQ(qtNameFilters("Pictures|*.png;*.jpg"), "Pictures (*.png *.jpg)");
    EXPECT_EQ(qtNameFilters(""), "");
    EXPECT_EQ(qtNameFilters("no pattern"), "");
}
