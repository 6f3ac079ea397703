#include "playback/pitch_chooser.h"

#include <gtest/gtest.h>

#include "playback/pitch_preview.h"

namespace {

// What the chooser told, as text: "+n" for a press, "-" for a release.
class TRecordingPresses : public TPitchSelectionListener {
  public:
    void pitchPressed(int32_t number) override { heard += "+" + std::to_string(number) + " "; }
    void pitchReleased() override { heard += "- "; }
    std::string take() {
        std::string t = heard;
        heard.clear();
        return t;
    }
    std::string heard;
};

TInstrumentSet smallCatalogue() {
    TInstrumentSet cat;
    cat.categories() = {
        {"Keys", {{"Piano", 0}, {"Harp", 55}, {"Organ", 9}}},  // later indexes do not count
        {"Nothing", {}},
        {"Strings", {{"Violin", 40}, {"Viola", 41}}},
    };
    return cat;
}

TEST(PitchChooser, PreselectsByRangeAndGivesBackTheNumber) {
    const TInstrumentSet cat = smallCatalogue();
    TPitchChooser chooser(cat);
    EXPECT_EQ(chooser.categoryNames(), (std::vector<std::string>{"Keys", "Nothing", "Strings"}));
    EXPECT_FALSE(chooser.canAccept());
    EXPECT_TRUE(chooser.entryNames().empty());

    chooser.preselect(2);
    EXPECT_EQ(chooser.category(), 0u);
    EXPECT_EQ(chooser.entry(), 2u);
    EXPECT_EQ(chooser.entryNames(), (std::vector<std::string>{"Piano", "Harp", "Organ"}));
    EXPECT_EQ(chooser.result(), 2);  // the position counts, not the entry's own index

    chooser.preselect(41);
    EXPECT_EQ(chooser.category(), 2u);
    EXPECT_EQ(chooser.entry(), 1u);
    EXPECT_EQ(chooser.result(), 41);

    // a number no category covers clears both lists
    for (int32_t n : {3, 55, 42, -1}) {
        SCOPED_TRACE(n);
        chooser.preselect(n);
        EXPECT_EQ(chooser.category(), std::nullopt);
        EXPECT_EQ(chooser.entry(), std::nullopt);
        EXPECT_TRUE(chooser.entryNames().empty());
        EXPECT_EQ(chooser.result(), std::nullopt);
        EXPECT_FALSE(chooser.canAccept());
    }
}

TEST(PitchChooser, ACategoryClickSelectsItsFirstEntry) {
    const TInstrumentSet cat = smallCatalogue();
    TPitchChooser chooser(cat);
    chooser.preselect(1);
    chooser.selectCategory(2);
    EXPECT_EQ(chooser.entry(), 0u);
    EXPECT_EQ(chooser.result(), 40);
    chooser.selectEntry(1);
    EXPECT_EQ(chooser.result(), 41);
    // an empty category leaves nothing to accept
    chooser.selectCategory(1);
    EXPECT_EQ(chooser.category(), 1u);
    EXPECT_EQ(chooser.entry(), std::nullopt);
    EXPECT_FALSE(chooser.canAccept());
    chooser.selectCategory(std::nullopt);
    EXPECT_EQ(chooser.category(), std::nullopt);
    chooser.selectCategory(7);
    EXPECT_EQ(chooser.category(), std::nullopt);
    chooser.selectCategory(0);
    chooser.selectEntry(std::nullopt);
    EXPECT_FALSE(chooser.canAccept());
    chooser.selectEntry(3);  // beyond the category
    EXPECT_FALSE(chooser.canAccept());
}

TEST(PitchChooser, OnlyTheLeftButtonHeldAloneIsHeard) {
    const TInstrumentSet cat = smallCatalogue();
    TPitchChooser chooser(cat);
    TRecordingPresses presses;
    chooser.setListener(&presses);
    chooser.preselect(0);

    chooser.mouseDown(true, false);
    EXPECT_EQ(presses.take(), "+0 ");
    // moving with the button down: a press each time the number changes
    chooser.selectEntry(0);
    chooser.selectEntry(1);
    chooser.selectEntry(1);
    chooser.selectEntry(2);
    EXPECT_EQ(presses.take(), "+1 +2 ");
    chooser.mouseUp();
    EXPECT_EQ(presses.take(), "- ");
    chooser.mouseUp();
    chooser.selectEntry(0);
    EXPECT_EQ(presses.take(), "") << "nothing is heard without the button";

    chooser.mouseDown(false, false);  // the right or middle button
    chooser.mouseDown(true, true);    // the left one while another is held
    chooser.selectEntry(1);
    chooser.mouseUp();
    EXPECT_EQ(presses.take(), "");

    // a press that ends with the dialog is let go
    chooser.mouseDown(true, false);
    chooser.close();
    EXPECT_EQ(presses.take(), "+1 - ");
}

}  // namespace
