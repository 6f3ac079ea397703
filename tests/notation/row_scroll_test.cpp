#include "notation/row_scroll.h"

#include <gtest/gtest.h>

TEST(RowScrollTest, AMotiveInSightStaysPutAndOneOutOfSightComesJustIntoView) {
    // a view of 800 pixels at 1000; motives 250 wide
    EXPECT_EQ(scrollToShow(1000, 800, 1100, 250), 1000);  // whole
    EXPECT_EQ(scrollToShow(1000, 800, 1700, 250), 1000);  // cut off at the right edge
    EXPECT_EQ(scrollToShow(1000, 800, 900, 250), 1000);   // cut off at the left edge
    // beyond the right edge: its right edge meets the view's
    EXPECT_EQ(scrollToShow(1000, 800, 1800, 250), 1250);
    EXPECT_EQ(scrollToShow(1000, 800, 2600, 250), 2050);
    // before the left edge: its start meets the view's
    EXPECT_EQ(scrollToShow(1000, 800, 500, 250), 500);
    EXPECT_EQ(scrollToShow(1000, 800, 750, 250), 750);
    // wider than the view: its start
    EXPECT_EQ(scrollToShow(0, 200, 900, 250), 900);
    EXPECT_EQ(scrollToShow(0, 800, -10, 5), 0);
}

TEST(RowScrollTest, TheWheelMovesTheRowWithinItsLength) {
    EXPECT_EQ(scrollByWheel(100, 2, 50, 1000), 200);
    EXPECT_EQ(scrollByWheel(100, -3, 50, 1000), 0);
    EXPECT_EQ(scrollByWheel(980, 1, 50, 1000), 1000);
    EXPECT_EQ(scrollByWheel(0, 1, 50, -5), 0);
}
