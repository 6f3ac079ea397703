#include "templates/temp_panel_model.h"

#include <gtest/gtest.h>

#include <vector>

#include "generation/random.h"
#include "help/eng_message_bundle.h"
#include "support/recording_temp_listener.h"

namespace {

TEST(TempPanelModelTest, StartsModerateAtOneHundred) {
    TTempPanelModel panel;
    EXPECT_EQ(panel.value(), 100);
    EXPECT_EQ(panel.category(), 3);
    EXPECT_EQ(panel.listener(), nullptr);
    TEngMessageBundle english;
    EXPECT_EQ(TTempPanelModel::categoryItems(english),
              (std::vector<std::string>{"Wide", "Slowly", "Unhurriedly", "Moderately", "Reservedly",
                                        "Animatedly", "Fast"}));
}

TEST(TempPanelModelTest, CategoryAndValueFollowEachOther) {
    TTempPanelModel panel;
    TRecordingTempListener listener;
    panel.setListener(&listener);
    const std::vector<int32_t> categoryValues = {55, 70, 85, 100, 115, 130, 145};
    for (int c = 6; c >= 0; --c) {
        SCOPED_TRACE(c);
        panel.chooseCategory(c);
        EXPECT_EQ(panel.value(), categoryValues[static_cast<size_t>(c)]);
        EXPECT_EQ(panel.category(), c);
    }
    EXPECT_EQ(listener.values, (std::vector<int32_t>{145, 130, 115, 100, 85, 70, 55}));

    SCOPED_TRACE("a category outside the list changes nothing");
    listener.values.clear();
    panel.chooseCategory(7);
    panel.chooseCategory(-1);
    EXPECT_EQ(panel.value(), 55);
    EXPECT_TRUE(listener.values.empty());

    SCOPED_TRACE("the value selects its category, 0 below 55");
    struct TCase {
        int32_t value;
        int category;
    };
    for (TCase c : {TCase{50, 0}, TCase{54, 0}, TCase{55, 0}, TCase{62, 0}, TCase{63, 1},
                    TCase{99, 3}, TCase{107, 3}, TCase{108, 4}, TCase{145, 6}, TCase{150, 6}}) {
        SCOPED_TRACE(c.value);
        panel.changeValue(c.value);
        EXPECT_EQ(panel.value(), c.value);
        EXPECT_EQ(panel.category(), c.category);
        EXPECT_EQ(listener.values.back(), c.value);
    }
}

TEST(TempPanelModelTest, ValueStaysInRangeAndProgramChangesAreSilent) {
    TTempPanelModel panel;
    TRecordingTempListener listener;
    panel.setListener(&listener);
    panel.changeValue(151);
    EXPECT_EQ(panel.value(), 150);
    panel.changeValue(49);
    EXPECT_EQ(panel.value(), 50);
    EXPECT_EQ(listener.values, (std::vector<int32_t>{150, 50}));

    listener.values.clear();
    panel.setValue(120);
    EXPECT_EQ(panel.value(), 120);
    EXPECT_EQ(panel.category(), 4);
    panel.setValue(300);
    EXPECT_EQ(panel.value(), 150);
    EXPECT_TRUE(listener.values.empty());

    SCOPED_TRACE("without a listener a change still takes effect");
    panel.setListener(nullptr);
    panel.chooseCategory(1);
    EXPECT_EQ(panel.value(), 70);
}

TEST(TempPanelModelTest, RandomValueFromFiftyToOneHundredFortyNine) {
    resetMotivicaRandForTesting();
    std::vector<int32_t> expected;
    for (int i = 0; i < 50; ++i)
        expected.push_back(50 + motivicaRand() % 100);
    resetMotivicaRandForTesting();
    TTempPanelModel panel;
    TRecordingTempListener listener;
    panel.setListener(&listener);
    for (int i = 0; i < 50; ++i) {
        panel.chooseRandom();
        EXPECT_GE(panel.value(), 50);
        EXPECT_LE(panel.value(), 149);
    }
    EXPECT_EQ(listener.values, expected);
}

}  // namespace
