#include "model/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacementTest, OverlapIsTheSharedArea) {
    EXPECT_EQ(overlapArea({0, 0, 10, 10}, {5, 5, 10, 10}), 25);
    EXPECT_EQ(overlapArea({0, 0, 10, 10}, {10, 0, 10, 10}), 0);
    EXPECT_EQ(overlapArea({0, 0, 10, 10}, {2, 2, 3, 3}), 9);
}

// The tutorial window (597 x 390 with its frame) beside a main window of 1018 x 690 on screens
// of several sizes, keeping the development panel and the motive a step speaks of in sight.
TEST(WindowPlacementTest, AHelperWindowGoesWhereItCoversNothingThatMustBeSeen) {
    const TWindowRect owner{130, 40, 1018, 690};
    const TWindowRect panel{475, 170, 670, 180};
    const TWindowRect motive{660, 520, 234, 200};
    {
        SCOPED_TRACE("a wide screen: beside the window, on its right");
        const TWindowRect p = placeClearOf({0, 0, 1920, 1080}, owner, {motive, panel}, 597, 390);
        EXPECT_EQ(p, (TWindowRect{1148, 40, 597, 390}));
    }
    {
        SCOPED_TRACE("no room beside the window: somewhere covering neither");
        const TWindowRect screen{0, 0, 1280, 800};
        const TWindowRect p = placeClearOf(screen, owner, {motive, panel}, 597, 390);
        EXPECT_EQ(overlapArea(p, motive), 0);
        EXPECT_EQ(overlapArea(p, panel), 0);
        EXPECT_GE(p.x, 0);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.right(), 1280);
        EXPECT_LE(p.bottom(), 800);
    }
    {
        SCOPED_TRACE("no place covers nothing: the motive stays in sight before the panel");
        const TWindowRect screen{0, 0, 1024, 768};
        const TWindowRect full{0, 0, 1024, 768};
        const TWindowRect wide{0, 300, 1024, 200};
        const TWindowRect p =
            placeClearOf(screen, full, {TWindowRect{0, 0, 1024, 100}, wide}, 597, 390);
        EXPECT_EQ(overlapArea(p, {0, 0, 1024, 100}), 0);
        EXPECT_LE(p.bottom(), 768);
    }
    {
        SCOPED_TRACE("a window larger than the screen keeps its top-left corner on it");
        const TWindowRect p = placeClearOf({0, 0, 500, 300}, {0, 0, 500, 300}, {}, 597, 390);
        EXPECT_EQ(p.x, 0);
        EXPECT_EQ(p.y, 0);
    }
}
