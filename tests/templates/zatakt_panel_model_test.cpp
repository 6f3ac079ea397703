#include "templates/zatakt_panel_model.h"

#include <gtest/gtest.h>

#include "generation/random.h"
#include "help/eng_message_bundle.h"

namespace {

using TSymbols = std::vector<TMotiveTypeSymbol>;
using TTexts = std::vector<std::string>;

class ZataktPanelModelTest : public ::testing::Test {
  protected:
    TEngMessageBundle english;
};

TEST_F(ZataktPanelModelTest, NewPanelIsAmphibrachysWithAnEighthIn2_4) {
    TZataktPanelModel panel;
    EXPECT_EQ(panel.type(), TMotiveType::AMPHIBRACHYS);
    EXPECT_EQ(panel.durationIndex(), 1);
    EXPECT_EQ(panel.measure(), TMeasure(2, 120));
    EXPECT_EQ(panel.value(), 60);
    EXPECT_TRUE(panel.durationShown());
    EXPECT_EQ(panel.durationLabel(english), "Duration before the measure bar:");
    EXPECT_EQ(TZataktPanelModel::typeItems(english), (TTexts{"Iambus", "Trochee", "Amphibrachys"}));
    EXPECT_EQ(panel.durationItems(english),
              (TTexts{"Sixteenth", "Eighth", "Pointed eighth", "Quarter", "Quarter and sixteenth",
                      "Pointed quarter", "Quarter and pointed eighth"}));
}

TEST_F(ZataktPanelModelTest, TypeDecidesValueLabelAndPicture) {
    TZataktPanelModel panel;
    using S = TMotiveTypeSymbol;
    panel.setDurationIndex(3);

    panel.setType(TMotiveType::IAMBUS);
    EXPECT_EQ(panel.value(), 240 - 120);
    EXPECT_TRUE(panel.durationShown());
    EXPECT_EQ(panel.durationLabel(english), "Duration after the measure bar:");
    EXPECT_EQ(panel.pictureSymbols(),
              (TSymbols{S::UNSTRESSED_NOTE, S::BAR_LINE, S::STRESSED_NOTE}));

    panel.setType(TMotiveType::TROCHEE);
    EXPECT_EQ(panel.value(), 0);
    EXPECT_FALSE(panel.durationShown());
    EXPECT_EQ(panel.durationLabel(english), "");
    EXPECT_EQ(panel.pictureSymbols(),
              (TSymbols{S::BAR_LINE, S::STRESSED_NOTE, S::UNSTRESSED_NOTE}));
    EXPECT_EQ(panel.durationIndex(), 3);

    panel.setType(TMotiveType::AMPHIBRACHYS);
    EXPECT_EQ(panel.value(), 120);
    EXPECT_EQ(panel.pictureSymbols(),
              (TSymbols{S::UNSTRESSED_NOTE, S::BAR_LINE, S::STRESSED_NOTE, S::UNSTRESSED_NOTE}));

    SCOPED_TRACE("every duration of the list");
    for (int d = 0; d < panel.durationCount(); ++d) {
        SCOPED_TRACE(d);
        panel.setDurationIndex(d);
        panel.setType(TMotiveType::AMPHIBRACHYS);
        EXPECT_EQ(panel.value(), (d + 1) * 30);
        panel.setType(TMotiveType::IAMBUS);
        EXPECT_EQ(panel.value(), 240 - (d + 1) * 30);
    }
    SCOPED_TRACE("indices outside the list are ignored");
    panel.setDurationIndex(7);
    panel.setDurationIndex(-1);
    EXPECT_EQ(panel.durationIndex(), 6);
}

TEST_F(ZataktPanelModelTest, MeterDecidesTheDurationList) {
    struct TCase {
        TMeasure meter;
        int count;
    };
    for (TCase c :
         {TCase{TMeasure(2, 120), 7}, TCase{TMeasure(3, 120), 8}, TCase{TMeasure(2, 60), 3},
          TCase{TMeasure(3, 60), 5}, TCase{TMeasure(4, 120), 8}}) {
        SCOPED_TRACE(c.meter.measureLength());
        TZataktPanelModel panel;
        panel.setMeasure(c.meter);
        EXPECT_EQ(panel.durationCount(), c.count);
        const TTexts items = panel.durationItems(english);
        ASSERT_EQ(items.size(), static_cast<size_t>(c.count));
        EXPECT_EQ(items.front(), "Sixteenth");
        panel.setDurationIndex(c.count - 1);
        panel.setType(TMotiveType::IAMBUS);
        // even the longest choice leaves at least a sixteenth before the bar
        EXPECT_GE(panel.value(), 30);
        panel.setType(TMotiveType::AMPHIBRACHYS);
        EXPECT_LT(panel.value(), c.meter.measureLength());
    }
}

TEST_F(ZataktPanelModelTest, NewMeterKeepsTheDurationWhileItExists) {
    TZataktPanelModel panel;
    panel.setDurationIndex(2);
    panel.setMeasure(TMeasure(2, 60));
    EXPECT_EQ(panel.durationIndex(), 2);
    EXPECT_EQ(panel.durationItems(english), (TTexts{"Sixteenth", "Eighth", "Pointed eighth"}));

    SCOPED_TRACE("2/4 to 2/8 drops a quarter and takes the longest left");
    panel.setMeasure(TMeasure(2, 120));
    panel.setDurationIndex(3);
    panel.setType(TMotiveType::IAMBUS);
    panel.setMeasure(TMeasure(2, 60));
    EXPECT_EQ(panel.durationIndex(), 2);
    EXPECT_EQ(panel.value(), 120 - 90);

    SCOPED_TRACE("and a longer meter keeps it");
    panel.setMeasure(TMeasure(3, 120));
    EXPECT_EQ(panel.durationIndex(), 2);
    EXPECT_EQ(panel.value(), 360 - 90);
}

TEST_F(ZataktPanelModelTest, RandomChoiceFromTheGenerator) {
    resetMotivicaRandForTesting();
    struct TChoice {
        TMotiveType type;
        int duration;
    };
    std::vector<TChoice> expected;
    int duration = 1;
    for (int i = 0; i < 30; ++i) {
        const int r = motivicaRand() % 3;
        if (r != 1)
            duration = motivicaRand() % 7;
        expected.push_back({static_cast<TMotiveType>(r), duration});
    }
    resetMotivicaRandForTesting();
    TZataktPanelModel panel;
    int trochees = 0;
    for (int i = 0; i < 30; ++i) {
        SCOPED_TRACE(i);
        panel.chooseRandom();
        EXPECT_EQ(panel.type(), expected[static_cast<size_t>(i)].type);
        EXPECT_EQ(panel.durationIndex(), expected[static_cast<size_t>(i)].duration);
        trochees += panel.type() == TMotiveType::TROCHEE ? 1 : 0;
    }
    EXPECT_GT(trochees, 0);
    EXPECT_LT(trochees, 30);
}

}  // namespace
