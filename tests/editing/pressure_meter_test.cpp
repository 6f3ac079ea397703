#include "editing/pressure_meter.h"

#include <gtest/gtest.h>

#include "editing/variant_view.h"

TEST(PressureMeterTest, TheMeterLiesInsideTheZoneAndFillsFromTheFootAsPressureBuilds) {
    // the commit edge of the left pane: the meter lies left of the boundary
    const TPressureMeter untouched = pressureMeter(PANE_BOUNDARY, -1, 100, VIEW_HEIGHT);
    EXPECT_EQ(untouched.track, (TRectWithCheck{233, 32, 238, 450}));
    EXPECT_TRUE(untouched.fill.isEmpty());
    const TPressureMeter half = pressureMeter(PANE_BOUNDARY, -1, 50, VIEW_HEIGHT);
    EXPECT_EQ(half.fill, (TRectWithCheck{233, 241, 238, 450}));
    const TPressureMeter full = pressureMeter(PANE_BOUNDARY, -1, 0, VIEW_HEIGHT);
    EXPECT_EQ(full.fill, full.track);
    // the right pane's commit edge is its x 0: the meter lies right of it
    EXPECT_EQ(pressureMeter(0, 1, 100, VIEW_HEIGHT).track, (TRectWithCheck{2, 32, 7, 450}));
    // out-of-range readings stay inside the track
    EXPECT_EQ(pressureMeter(0, 1, -20, VIEW_HEIGHT).fill, pressureMeter(0, 1, 0, VIEW_HEIGHT).fill);
    EXPECT_TRUE(pressureMeter(0, 1, 130, VIEW_HEIGHT).fill.isEmpty());
    // a meter below the chord popup's grid starts under the hovered row
    const TPressureMeter chord = pressureMeter(PANE_BOUNDARY, -1, 50, VIEW_HEIGHT, 90);
    EXPECT_EQ(chord.track, (TRectWithCheck{233, 90, 238, 450}));
    EXPECT_EQ(chord.fill, (TRectWithCheck{233, 270, 238, 450}));
}
