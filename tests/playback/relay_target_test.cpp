#include "playback/relay_target.h"

#include <gtest/gtest.h>

namespace {

TRelayTarget set(size_t i) {
    return {TRelayTargetKind::MOTIVE_SET, i};
}
TRelayTarget entry(size_t i) {
    return {TRelayTargetKind::RELAY_ENTRY, i};
}
const TRelayTarget NOWHERE;

}  // namespace

TEST(RelayTargetTest, NotesReachOnlyCanvasesThatExist) {
    // a period of 8 motives, 13 panels' panes in the relay list
    EXPECT_EQ(noteTarget(48, 8, 13, false), set(0));
    EXPECT_EQ(noteTarget(55, 8, 13, false), set(7));
    EXPECT_EQ(noteTarget(56, 8, 13, false), NOWHERE);  // one beyond the last motive set
    EXPECT_EQ(noteTarget(0, 8, 13, false), entry(0));
    EXPECT_EQ(noteTarget(12, 8, 13, false), entry(12));
    EXPECT_EQ(noteTarget(13, 8, 13, false), NOWHERE);
    EXPECT_EQ(noteTarget(47, 8, 0, false), NOWHERE);  // no development panes yet
    EXPECT_EQ(noteTarget(-1, 8, 13, false), NOWHERE);
    // the free-standing canvas exists only while the instrument-set editor is open
    EXPECT_EQ(noteTarget(255, 8, 13, false), NOWHERE);
    EXPECT_EQ(noteTarget(255, 8, 13, true), (TRelayTarget{TRelayTargetKind::FREE_CANVAS, 0}));
    // above 255 is only ever a motive set of a very long period
    EXPECT_EQ(noteTarget(periodCanvasId(300), 500, 0, false), set(300));
}

TEST(RelayTargetTest, ALongPeriodStepsOverTheFreeCanvasNumber) {
    EXPECT_EQ(periodCanvasId(0), 48);
    EXPECT_EQ(periodCanvasId(206), 254);
    EXPECT_EQ(periodCanvasId(207), 256);
    EXPECT_EQ(periodCanvasId(499), 548);
    for (size_t k : {0u, 1u, 206u, 207u, 208u, 499u}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(noteTarget(periodCanvasId(k), 500, 13, true), set(k));
        EXPECT_EQ(playTarget(periodCanvasId(k), 500, 13), set(k));
    }
}

TEST(RelayTargetTest, PlayNotificationsIgnoreTheFreeCanvas) {
    EXPECT_EQ(playTarget(255, 500, 13), NOWHERE);
    EXPECT_EQ(playTarget(49, 2, 13), set(1));
    EXPECT_EQ(playTarget(50, 2, 13), NOWHERE);
    EXPECT_EQ(playTarget(3, 2, 13), entry(3));
    EXPECT_EQ(playTarget(3, 2, 3), NOWHERE);
}
