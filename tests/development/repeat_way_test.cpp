#include "development/repeat_way.h"

#include <gtest/gtest.h>

namespace {

TChordList noChords() {
    return {};
}

std::vector<int32_t> firstPitches(const TEffectWay& way) {
    std::vector<int32_t> p;
    for (int i = 0; i < PANE_COUNT; ++i)
        p.push_back(way.pane(i).notes.at(0).pitch);
    return p;
}

TMotive oneNote(int32_t pitch) {
    TMotive motive;
    motive.notes = {TNote(0, pitch, 240)};
    motive.chords = {chordOfType(TChordType::TONIC_THREE_CHORD)};
    return motive;
}

}  // namespace

TEST(RepeatWayTest, ShiftPitchesReflectsAtTheRangeEdges) {
    const TNoteList notes = {TNote(0, 33, 60), TNote(60, 13, 60), TNote(120, -1, 60)};
    const TNoteList up = shiftPitches(notes, 2);
    EXPECT_EQ(up[0].pitch, 31);  // 35 is out of range
    EXPECT_EQ(up[1].pitch, 15);
    EXPECT_EQ(up[2].pitch, -1);  // no pitch stays without
    const TNoteList down = shiftPitches(notes, -1);
    EXPECT_EQ(down[0].pitch, 32);
    EXPECT_EQ(down[1].pitch, 14);  // 12 is out of range
    // neither direction in range: the pitch stays
    EXPECT_EQ(shiftPitches({TNote(0, 20, 60)}, 15)[0].pitch, 20);
}

TEST(RepeatWayTest, SequencesAndRepeatMoveEveryPane) {
    {
        SCOPED_TRACE("sequence up of 33");
        TSequenceUpWay way(noChords());
        way.acceptMotive(oneNote(33));
        EXPECT_EQ(firstPitches(way), (std::vector<int32_t>{34, 31, 30}));
    }
    {
        SCOPED_TRACE("sequence down of 14");
        TSequenceDownWay way(noChords());
        way.acceptMotive(oneNote(14));
        EXPECT_EQ(firstPitches(way), (std::vector<int32_t>{13, 16, 17}));
    }
    {
        SCOPED_TRACE("repeat of 20");
        TRepeatWay way(noChords());
        way.acceptMotive(oneNote(20));
        EXPECT_EQ(firstPitches(way), (std::vector<int32_t>{20, 13, 27}));
    }
    {
        SCOPED_TRACE("repeat of 30");
        TRepeatWay way(noChords());
        way.acceptMotive(oneNote(30));
        EXPECT_EQ(firstPitches(way), (std::vector<int32_t>{30, 23, 23}));
    }
}

TEST(RepeatWayTest, VariantsHaveNoChordsAndFreshFlags) {
    // A minor: position 17 is G, the raised seventh, and every pane keeps a G
    TMotive source(TKey(0, MINOR), TMeasure(), 0);
    TNote g(0, 17, 120);
    g.chording = false;
    source.notes = {g, TNote(120, 18, 120)};
    source.chords = {chordOfType(TChordType::DOMINANT_THREE_CHORD)};
    TRepeatWay way(noChords());
    EXPECT_FALSE(way.hasMore());
    way.acceptMotive(source);
    for (int i = 0; i < PANE_COUNT; ++i) {
        SCOPED_TRACE(i);
        const TMotive& pane = way.pane(i);
        EXPECT_TRUE(pane.chords.empty());
        EXPECT_EQ(pane.key, source.key);
        ASSERT_EQ(pane.notes.size(), 2u);
        EXPECT_TRUE(pane.notes[0].chording);
        EXPECT_TRUE(pane.notes[0].sharp);
        EXPECT_FALSE(pane.notes[1].sharp);
    }
    // the source keeps its chords
    EXPECT_EQ(way.source().chords.size(), 1u);
}

TEST(RepeatWayTest, SetFrameEmptiesThePanesAndGivesThemTheFrame) {
    TSequenceUpWay way(noChords());
    way.acceptMotive(oneNote(20));
    way.setFrame(TMeasure(3, 120), TKey(-2, MINOR), 120);
    for (int i = 0; i < PANE_COUNT; ++i) {
        EXPECT_TRUE(way.pane(i).isEmpty());
        EXPECT_EQ(way.pane(i).anacrusis, 120);
        EXPECT_EQ(way.pane(i).measure, TMeasure(3, 120));
        EXPECT_EQ(way.pane(i).key, TKey(-2, MINOR));
    }
}
