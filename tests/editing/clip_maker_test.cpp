#include "editing/clip_maker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TBreak {
    int32_t id;
    int32_t side;
    bool steady;
};

class TRecordingClipListener : public TClipMakerListener {
  public:
    void edgeBroken(int32_t clipId, int32_t side, bool needsSteadyRow) override {
        breaks.push_back({clipId, side, needsSteadyRow});
    }
    std::vector<TBreak> breaks;
};

constexpr TScreenRect ZONE{100, 50, 340, 500};

class ClipMakerTest : public ::testing::Test {
  protected:
    ClipMakerTest() { clip.addListener(&listener); }

    void defineZone(std::vector<TDirection> directions) {
        clip.defineClip(4, ZONE, std::move(directions));
        ASSERT_TRUE(clip.activateClip(4));
    }

    // The user keeps pushing the mouse against one side; every event runs the test. Returns
    // how many pushes added pressure before the edge gave way (-1 when it never did).
    int pushesUntilBreak(int32_t side, int maxEvents = 200) {
        int counted = 0;
        for (int i = 0; i < maxEvents; ++i) {
            const TDirection* d = clip.direction(side);
            const int32_t before = d != nullptr ? d->pressure : 0;
            pointer.moveBy(side == SIDE_RIGHT ? 7 : -7, 0);
            const size_t breaksBefore = listener.breaks.size();
            clip.testEdges(false);
            if (listener.breaks.size() > breaksBefore) {
                return counted + 1;
            }
            d = clip.direction(side);
            if (d != nullptr && d->pressure != before) {
                ++counted;
            }
        }
        return -1;
    }

    TVirtualPointer pointer;
    TClipMaker clip{pointer};
    TRecordingClipListener listener;
};

TEST_F(ClipMakerTest, CommitEdgeBreaksAfterTenPushesAtDelay14AndSixteenAtDelay8) {
    for (const auto& [delay, expected] : {std::pair{14, 10}, std::pair{8, 16}}) {
        listener.breaks.clear();
        clip.clear();
        clip.addListener(&listener);
        pointer.setPos({200, 300});
        defineZone({TDirection::make(SIDE_RIGHT, 128, delay, true)});
        EXPECT_EQ(pushesUntilBreak(SIDE_RIGHT), expected) << "delay " << delay;
        ASSERT_EQ(listener.breaks.size(), 1u);
        EXPECT_EQ(listener.breaks[0].id, 4);
        EXPECT_EQ(listener.breaks[0].side, SIDE_RIGHT);
        EXPECT_TRUE(listener.breaks[0].steady);
    }
}

TEST_F(ClipMakerTest, LengtheningFrom80NeedsFifteenPushesAtDelay14AndThirtyAtDelay8) {
    for (const auto& [delay, expected] : {std::pair{14, 15}, std::pair{8, 30}}) {
        listener.breaks.clear();
        clip.clear();
        clip.addListener(&listener);
        pointer.setPos({200, 300});
        // the lengthening edge adds the delay less the reduction of 2
        defineZone({TDirection::make(SIDE_LEFT, 80, delay - 2, false)});
        EXPECT_EQ(pushesUntilBreak(SIDE_LEFT), expected) << "delay " << delay;
        ASSERT_EQ(listener.breaks.size(), 1u);
        EXPECT_EQ(listener.breaks[0].side, SIDE_LEFT);
        EXPECT_FALSE(listener.breaks[0].steady);
    }
}

TEST_F(ClipMakerTest, EveryPushBackIsFollowedByOneCheckThatOnlyRecords) {
    pointer.setPos({339, 300});
    defineZone({TDirection::make(SIDE_RIGHT, 128, 14, true)});
    // the first check only takes the row in which the pushing happens
    clip.testEdges(false);
    ASSERT_TRUE(clip.warped());
    for (int i = 0; i < 4; ++i) {
        const TEdgeTest recorded = clip.testEdges(false);
        EXPECT_TRUE(recorded.moved);
        EXPECT_FALSE(recorded.atEdge);
        EXPECT_FALSE(clip.warped());
        const int32_t before = clip.direction(SIDE_RIGHT)->pressure;
        pointer.moveBy(5, 0);
        const TEdgeTest pushed = clip.testEdges(false);
        EXPECT_TRUE(pushed.atEdge);
        EXPECT_TRUE(clip.warped());
        EXPECT_EQ(clip.direction(SIDE_RIGHT)->pressure, before + 14);
        // pushed back one pixel inside
        EXPECT_EQ(pointer.pos().x, 338);
    }
}

TEST_F(ClipMakerTest, APushedPointerTremblesOnePixelAndTurnsAtTheZoneEnds) {
    defineZone({TDirection::make(SIDE_RIGHT, 80, 1, false)});
    pointer.setPos({339, 300});
    std::vector<int32_t> ys;
    for (int i = 0; i < 4; ++i) {
        clip.testEdges(false);  // push
        ys.push_back(pointer.pos().y);
        clip.testEdges(false);  // record only
        pointer.moveBy(5, 0);
    }
    EXPECT_EQ(ys, (std::vector<int32_t>{301, 300, 301, 300}));

    // at the top row the tremble can only go down into the zone, at the bottom only up
    clip.resetPressure();
    pointer.setPos({339, ZONE.top});
    clip.testEdges(false);
    EXPECT_EQ(pointer.pos().y, ZONE.top + 1);
    clip.testEdges(false);
    pointer.setPos({339, ZONE.bottom - 1});
    clip.testEdges(false);
    EXPECT_EQ(pointer.pos().y, ZONE.bottom - 2);
}

TEST_F(ClipMakerTest, ASteadyRowEdgeDoesNotCountAPushFromAnotherRow) {
    defineZone({TDirection::make(SIDE_RIGHT, 128, 14, true)});
    pointer.setPos({300, 200});
    clip.testEdges(false);
    pointer.setPos({339, 260});  // arrives at the edge in another row
    clip.testEdges(false);
    EXPECT_EQ(clip.direction(SIDE_RIGHT)->pressure, 128);
    EXPECT_TRUE(clip.warped());
}

TEST_F(ClipMakerTest, AnotherRowResetsOnlyTheCommitPressureAndLeavingTheEdgesResetsBoth) {
    defineZone(
        {TDirection::make(SIDE_LEFT, 80, 12, false), TDirection::make(SIDE_RIGHT, 128, 14, true)});
    pointer.setPos({339, 300});
    clip.testEdges(false);
    clip.testEdges(false);
    pointer.moveBy(5, 0);
    clip.testEdges(false);
    clip.testEdges(false);
    pointer.setPos({100, 300});
    clip.testEdges(false);
    ASSERT_GT(clip.direction(SIDE_RIGHT)->pressure, 128);
    ASSERT_GT(clip.direction(SIDE_LEFT)->pressure, 80);

    EXPECT_TRUE(clip.resetSteadyPressure());
    EXPECT_EQ(clip.direction(SIDE_RIGHT)->pressure, 128);
    EXPECT_GT(clip.direction(SIDE_LEFT)->pressure, 80);
    EXPECT_FALSE(clip.resetSteadyPressure());

    // in the one-pixel margin next to an edge the pressure stays...
    clip.testEdges(false);  // record the push-back
    pointer.setPos({102, 300});
    clip.testEdges(false);
    EXPECT_GT(clip.direction(SIDE_LEFT)->pressure, 80);
    // ...away from both edges it is gone
    pointer.setPos({220, 300});
    const TEdgeTest away = clip.testEdges(false);
    EXPECT_TRUE(away.moved);
    EXPECT_TRUE(away.atEdge);
    EXPECT_EQ(clip.direction(SIDE_LEFT)->pressure, 80);
}

TEST_F(ClipMakerTest, ActivatingTheUntouchedZoneInForceIsRefusedAndAPushedOneRestarts) {
    defineZone({TDirection::make(SIDE_RIGHT, 128, 14, true)});
    EXPECT_FALSE(clip.activateClip(4));
    EXPECT_FALSE(clip.activateClip(7));
    pointer.setPos({339, 300});
    clip.testEdges(false);
    clip.testEdges(false);
    pointer.moveBy(5, 0);
    clip.testEdges(false);
    ASSERT_GT(clip.direction(SIDE_RIGHT)->pressure, 128);
    // the pressure is part of the zone in force: the stored zone differs and starts again
    EXPECT_TRUE(clip.activateClip(4));
    EXPECT_EQ(clip.direction(SIDE_RIGHT)->pressure, 128);
}

TEST_F(ClipMakerTest, TheConfinedPointerNeverLeavesTheZone) {
    defineZone({});
    pointer.setPos({1000, -40});
    EXPECT_EQ(pointer.pos(), (TScreenPoint{339, 50}));
    clip.releasePointer();
    pointer.setPos({1000, -40});
    EXPECT_EQ(pointer.pos(), (TScreenPoint{1000, -40}));
}

TEST_F(ClipMakerTest, DemonstrationTestBreaksAtTheEdgePixelAtOnce) {
    defineZone(
        {TDirection::make(SIDE_LEFT, 80, 12, false), TDirection::make(SIDE_RIGHT, 128, 14, true)});
    EXPECT_FALSE(clip.testEdgesAtOnce(338, 300));
    EXPECT_FALSE(clip.testEdgesAtOnce(101, 300));
    EXPECT_TRUE(clip.testEdgesAtOnce(339, 300));
    EXPECT_TRUE(clip.testEdgesAtOnce(100, 300));
    ASSERT_EQ(listener.breaks.size(), 2u);
    EXPECT_EQ(listener.breaks[0].side, SIDE_RIGHT);
    EXPECT_TRUE(listener.breaks[0].steady);
    EXPECT_EQ(listener.breaks[1].side, SIDE_LEFT);
    EXPECT_FALSE(listener.breaks[1].steady);
    // a plain wall never breaks
    clip.defineClip(5, ZONE, {});
    clip.activateClip(5);
    EXPECT_FALSE(clip.testEdgesAtOnce(339, 300));
}

TEST_F(ClipMakerTest, PressureShowsAsGreyAndPercentOfTheWayLeft) {
    defineZone({TDirection::make(SIDE_RIGHT, 128, 14, true)});
    EXPECT_EQ(clip.pressureColour(SIDE_RIGHT), 128);
    // the untouched edge may read 99 through rounding; the arrow treats both as full
    EXPECT_GE(clip.pressurePercent(SIDE_RIGHT), 99);
    EXPECT_LE(clip.pressurePercent(SIDE_RIGHT), 100);
    EXPECT_EQ(clip.pressureColour(SIDE_LEFT), 128);
    EXPECT_EQ(clip.pressurePercent(SIDE_LEFT), 0);
    pointer.setPos({339, 300});
    clip.testEdges(false);
    clip.testEdges(false);
    pointer.moveBy(5, 0);
    clip.testEdges(false);
    // the first push only took the row; the second counted
    EXPECT_EQ(clip.pressureColour(SIDE_RIGHT), 142);
    // (255 - 142) / 1.27
    EXPECT_EQ(clip.pressurePercent(SIDE_RIGHT), 88);
}

}  // namespace

TEST_F(ClipMakerTest, AMovedWindowTakesItsZonesThePointerAndThePressureAlong) {
    defineZone({TDirection::make(SIDE_RIGHT, 128, 14, true)});
    clip.defineClip(9, {10, 10, 20, 20}, {});
    pointer.setPos({339, 300});
    clip.testEdges(false);
    clip.testEdges(false);
    pointer.moveBy(5, 0);
    clip.testEdges(false);
    const int32_t pressure = clip.direction(SIDE_RIGHT)->pressure;
    ASSERT_GT(pressure, 128);
    const TScreenPoint before = pointer.pos();

    clip.translate(30, -20);
    EXPECT_EQ(clip.currentClip().rect, (TScreenRect{130, 30, 370, 480}));
    EXPECT_EQ(pointer.confinement(), (TScreenRect{130, 30, 370, 480}));
    EXPECT_EQ(pointer.pos(), (TScreenPoint{before.x + 30, before.y - 20}));
    EXPECT_EQ(clip.direction(SIDE_RIGHT)->pressure, pressure);
    // the stored zones moved as well: activating the other one confines to its new place
    ASSERT_TRUE(clip.activateClip(9));
    EXPECT_EQ(pointer.confinement(), (TScreenRect{40, -10, 50, 0}));
}
