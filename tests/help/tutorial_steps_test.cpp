#include "help/tutorial_steps.h"

#include <gtest/gtest.h>

#include "model/period_data.h"

// The tutorial's composition: two sentences of two phrases of four motives. Each step plays the
// motive it shows, with the phrase and the sentence that hold it.
TEST(TutorialStepsTest, EachStepPlaysTheMotiveItShowsAndWhatHoldsIt) {
    TPeriodData period;
    period.buildFromLayout({2, 2}, {4, 4, 4, 4}, {5, 6, 10, 11}, TKey(0, MAJOR), TMeasure(2, 120),
                           0, 100);
    const TTutorialPlay expected[] = {{2, 0, 0}, {4, 1, 0},  {5, 1, 0},  {7, 1, 0},
                                      {8, 2, 1}, {11, 2, 1}, {12, 3, 1}, {14, 3, 1}};
    for (size_t k = 0; k < TUTORIAL_STEPS.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(tutorialPlay(period, TUTORIAL_STEPS[k]), expected[k]);
    }
    // a composition too short for the step plays nothing
    TPeriodData shorter;
    shorter.buildFromLayout({1}, {2}, {5}, TKey(0, MAJOR), TMeasure(2, 120), 0, 100);
    EXPECT_EQ(tutorialPlay(shorter, TUTORIAL_STEPS[1]), std::nullopt);
    EXPECT_EQ(tutorialPlay(shorter, TUTORIAL_STEPS[0]), std::nullopt);
    EXPECT_EQ(tutorialPlay(shorter, {"step.html", 1, -1}), (TTutorialPlay{1, 0, 0}));
    EXPECT_EQ(tutorialPlay(period, {"step.html", -1, -1}), std::nullopt);
}
