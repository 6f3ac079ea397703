#include "model/period_timeline.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const TKey C_MAJOR(0, MAJOR);
const TKey G_MAJOR(1, MAJOR);
const TMeasure TWO_FOUR(2, 120);  // 240 ticks a measure

TChord chordOf(int32_t soprano, int32_t alt, int32_t tenor, int32_t bass) {
    TChord chord;
    chord.setVoicing(soprano, alt, tenor, bass);
    return chord;
}
const TChord C_CHORD = chordOf(27, 24, 22, 13);
const TChord G_CHORD = chordOf(28, 26, 24, 17);

TMotive motiveOf(DURATION anacrusis, std::vector<TChord> chords, const TKey& key = C_MAJOR) {
    TMotive motive(key, TWO_FOUR, anacrusis);
    motive.chords = std::move(chords);
    return motive;
}

TEST(PeriodTimelineTest, MotivesWithoutUpBeatFollowMeasureAfterMeasure) {
    TTimeline timeline;
    for (int32_t i = 0; i < 3; ++i) {
        const auto placed = timeline.place(motiveOf(0, {C_CHORD}));
        ASSERT_TRUE(placed);
        EXPECT_EQ(placed->start, 240 * i);
        EXPECT_EQ(placed->base, 240 * i);
        EXPECT_EQ(placed->windowStart, 240 * i);
        EXPECT_EQ(placed->windowEnd, 240 * (i + 1));
        EXPECT_EQ(placed->end, 240 * (i + 1));
        EXPECT_EQ(placed->follows, i > 0);
        // the chord before sounds on, but without an up-beat a chord is struck at its bar line
        EXPECT_EQ(placed->carried.has_value(), i > 0);
        EXPECT_FALSE(placed->firstChordHeldOver);
    }
}

TEST(PeriodTimelineTest, AnUpBeatMotiveStartsInsideTheMeasureBeforeItsTimes) {
    TTimeline timeline;
    // an eighth of up-beat: the first motive's notes start 60 ticks before its bar line
    const auto first = timeline.place(motiveOf(60, {G_CHORD, C_CHORD}));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->base, 0);
    EXPECT_EQ(first->windowStart, 180);
    EXPECT_EQ(first->windowEnd, 420);
    EXPECT_EQ(first->end, 420);
    const auto second = timeline.place(motiveOf(60, {C_CHORD, G_CHORD}));
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->follows);
    EXPECT_EQ(second->start, 420);
    EXPECT_EQ(second->base, 240);
    EXPECT_EQ(second->windowStart, 420);
    EXPECT_EQ(second->end, 660);
    // the second measure's chord (C) still sounds and the up-beat repeats it: held over
    ASSERT_TRUE(second->carried);
    EXPECT_TRUE(second->carried->chord.sameVoicing(C_CHORD));
    EXPECT_TRUE(second->firstChordHeldOver);
    // G after C is struck again
    const auto third = timeline.place(motiveOf(60, {C_CHORD}));
    ASSERT_TRUE(third);
    EXPECT_FALSE(third->firstChordHeldOver);
}

TEST(PeriodTimelineTest, AChordIsHeldOverOnlyInTheSameKeyAfterAnUpBeatThatCarriesIt) {
    {
        TTimeline timeline;
        timeline.place(motiveOf(60, {G_CHORD, C_CHORD}));
        const auto next = timeline.place(motiveOf(60, {C_CHORD}, G_MAJOR));
        ASSERT_TRUE(next);
        ASSERT_TRUE(next->carried);
        EXPECT_EQ(next->carried->key, C_MAJOR);  // released with the key it was struck in
        EXPECT_FALSE(next->firstChordHeldOver);
    }
    {
        // an up-beat motive's only chord has ended with its up-beat: nothing carries over
        TTimeline timeline;
        timeline.place(motiveOf(60, {C_CHORD}));
        const auto next = timeline.place(motiveOf(60, {C_CHORD}));
        ASSERT_TRUE(next);
        EXPECT_FALSE(next->carried);
        EXPECT_FALSE(next->firstChordHeldOver);
    }
    {
        // without chords the motive carries nothing on
        TTimeline timeline;
        timeline.place(motiveOf(0, {C_CHORD}));
        timeline.place(motiveOf(0, {}));
        const auto next = timeline.place(motiveOf(0, {C_CHORD}));
        ASSERT_TRUE(next);
        EXPECT_FALSE(next->carried);
    }
}

TEST(PeriodTimelineTest, AnotherUpBeatStartsAtTheNextBarLine) {
    TTimeline timeline;
    timeline.place(motiveOf(60, {G_CHORD, C_CHORD}));  // ends at 420, inside the measure 240-480
    const auto next = timeline.place(motiveOf(120, {C_CHORD}));
    ASSERT_TRUE(next);
    EXPECT_FALSE(next->follows);
    EXPECT_EQ(next->start, 420);
    EXPECT_EQ(next->base, 480);
    EXPECT_EQ(next->windowStart, 600);
    EXPECT_EQ(next->end, 840);
    // a motive that ends on a bar line is followed from there
    TTimeline even;
    even.place(motiveOf(0, {C_CHORD}));
    const auto upBeat = even.place(motiveOf(60, {C_CHORD}));
    ASSERT_TRUE(upBeat);
    EXPECT_EQ(upBeat->base, 240);
    EXPECT_EQ(upBeat->windowStart, 420);
}

TEST(PeriodTimelineTest, MotivesThatCannotBePlacedLeaveTheTimeLineAsItWas) {
    TTimeline timeline;
    timeline.place(motiveOf(0, {C_CHORD}));
    TMotive noLength = motiveOf(0, {G_CHORD});
    noLength.measure = TMeasure(0, 120);
    EXPECT_FALSE(timeline.place(noLength));
    EXPECT_EQ(timeline.nextStart(), 240);
    const auto next = timeline.place(motiveOf(0, {C_CHORD}));
    ASSERT_TRUE(next);
    ASSERT_TRUE(next->carried);
    EXPECT_TRUE(next->carried->chord.sameVoicing(C_CHORD));  // not the unplaced motive's G

    // huge hand-edited measures stop where 32-bit ticks would overflow, and nowhere before
    TTimeline huge;
    TMotive big = motiveOf(0, {});
    big.measure = TMeasure(64, 32767);
    const int64_t length = big.measureLength();
    int placed = 0;
    while (huge.place(big))
        ++placed;
    const int64_t reached = huge.nextStart();
    EXPECT_EQ(reached, placed * length);
    EXPECT_GT(reached + 4 * length + TTimeline::SLACK, int64_t{INT32_MAX});
    EXPECT_LE(reached + 3 * length, int64_t{INT32_MAX});
}

TEST(PeriodTimelineTest, APeriodIsPlacedInItsMotivesOrderWithTheirAddresses) {
    TPeriodData period;
    period.buildFromLayout({2}, {2, 1}, {}, C_MAJOR, TWO_FOUR, 0, 100);
    period.sentences[0].phrases[1].motives[0].measure = TMeasure(0, 120);
    const std::vector<TPlacedMotive> placed = periodTimeline(period);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].address, (TMotiveAddress{0, 0, 0}));
    EXPECT_EQ(placed[1].address, (TMotiveAddress{0, 0, 1}));
    EXPECT_EQ(placed[1].base, 240);
}

}  // namespace
