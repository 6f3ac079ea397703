#include "editing/window_placement.h"

#include <gtest/gtest.h>

namespace {

TScreenRect sized(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
}

}  // namespace

TEST(WindowPlacementTest, OverlapIsTheSharedArea) {
    EXPECT_EQ(overlapArea(sized(0, 0, 10, 10), sized(5, 5, 10, 10)), 25);
    EXPECT_EQ(overlapArea(sized(0, 0, 10, 10), sized(10, 0, 10, 10)), 0);
    EXPECT_EQ(overlapArea(sized(0, 0, 10, 10), sized(2, 2, 3, 3)), 9);
}

// The tutorial window (597 x 390 with its frame) beside a main window of 1018 x 690 on screens
// of several sizes, keeping the development panel and the motive a step speaks of in sight.
TEST(WindowPlacementTest, AHelperWindowGoesWhereItCoversNothingThatMustBeSeen) {
    const TScreenRect owner = sized(130, 40, 1018, 690);
    const TScreenRect panel = sized(475, 170, 670, 180);
    const TScreenRect motive = sized(660, 520, 234, 200);
    {
        SCOPED_TRACE("a wide screen: beside the window, on its right");
        const TScreenRect p =
            placeClearOf(sized(0, 0, 1920, 1080), owner, {motive, panel}, 597, 390);
        EXPECT_EQ(p, sized(1148, 40, 597, 390));
    }
    {
        SCOPED_TRACE("no room beside the window: somewhere covering neither");
        const TScreenRect p =
            placeClearOf(sized(0, 0, 1280, 800), owner, {motive, panel}, 597, 390);
        EXPECT_EQ(overlapArea(p, motive), 0);
        EXPECT_EQ(overlapArea(p, panel), 0);
        EXPECT_GE(p.left, 0);
        EXPECT_GE(p.top, 0);
        EXPECT_LE(p.right, 1280);
        EXPECT_LE(p.bottom, 800);
    }
    {
        SCOPED_TRACE("no place covers nothing: the first rectangle stays in sight before the next");
        const TScreenRect screen = sized(0, 0, 1024, 768);
        const TScreenRect top = sized(0, 0, 1024, 100);
        const TScreenRect p =
            placeClearOf(screen, screen, {top, sized(0, 300, 1024, 200)}, 597, 390);
        EXPECT_EQ(overlapArea(p, top), 0);
        EXPECT_LE(p.bottom, 768);
    }
    {
        SCOPED_TRACE("a window larger than the screen keeps its top-left corner on it");
        const TScreenRect p =
            placeClearOf(sized(0, 0, 500, 300), sized(0, 0, 500, 300), {}, 597, 390);
        EXPECT_EQ(p.left, 0);
        EXPECT_EQ(p.top, 0);
    }
}
