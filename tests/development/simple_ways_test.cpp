#include <gtest/gtest.h>

#include "development/other_way.h"
#include "development/parts_way.h"
#include "development/rhythm_way.h"
#include "development/variation_way.h"
#include "generation/random.h"
#include "recording_way_listener.h"

namespace {

TMotive melody() {
    TMotive motive;
    motive.notes = {TNote(0, 20, 60), TNote(60, 21, 30), TNote(90, 22, 30), TNote(120, 24, 60),
                    TNote(180, 22, 60)};
    motive.chords = {chordOfType(TChordType::TONIC_THREE_CHORD)};
    return motive;
}

}  // namespace

TEST(SimpleWaysTest, PartsOfTwoNotesAlwaysKeepsExactlyOne) {
    TPartsWay way(harmonySetChords());
    TMotive source;
    source.notes = {TNote(0, 20, 120), TNote(120, 22, 120)};
    for (int round = 0; round < 50; ++round) {
        way.acceptMotive(source);
        for (int i = 0; i < PANE_COUNT; ++i) {
            ASSERT_EQ(way.pane(i).notes.size(), 1u);
            ASSERT_TRUE(way.pane(i).notes[0] == source.notes[0] ||
                        way.pane(i).notes[0] == source.notes[1]);
        }
        // two possible variants for three panes: the first two differ, the third repeats one
        ASSERT_FALSE(way.pane(0) == way.pane(1));
    }
}

TEST(SimpleWaysTest, WaysThatCannotActLeaveThePanesEmpty) {
    {
        SCOPED_TRACE("parts of one note");
        TPartsWay way(harmonySetChords());
        TMotive source;
        source.notes = {TNote(0, 20, 240)};
        resetMotivicaRandForTesting();
        way.acceptMotive(source);
        for (int i = 0; i < PANE_COUNT; ++i)
            EXPECT_TRUE(way.pane(i).isEmpty());
        EXPECT_EQ(motivicaRand(), 346);
    }
    {
        SCOPED_TRACE("variation without notes");
        TVariationWay way(harmonySetChords());
        TMotive source;
        source.chords = {chordOfType(TChordType::TONIC_THREE_CHORD)};
        way.acceptMotive(source);
        for (int i = 0; i < PANE_COUNT; ++i)
            EXPECT_TRUE(way.pane(i).isEmpty());
        EXPECT_TRUE(way.source().chords.empty());
    }
}

TEST(SimpleWaysTest, OtherMakesInversionRetrogradeAndShuffle) {
    TOtherWay way(harmonySetChords());
    TMotive source;
    source.notes = {TNote(0, 13, 60), TNote(60, 14, 120)};
    source.chords = {chordOfType(TChordType::TONIC_THREE_CHORD)};
    resetMotivicaRandForTesting();
    way.acceptMotive(source);
    // inversion: C D becomes C B, but B (12) lies below the range, so D stays
    EXPECT_EQ(way.pane(0).notes, source.notes);
    // retrograde: a quarter D, then an eighth C
    EXPECT_EQ(way.pane(1).notes, (TNoteList{TNote(0, 14, 120), TNote(120, 13, 60)}));
    for (int i = 0; i < PANE_COUNT; ++i)
        EXPECT_TRUE(way.pane(i).chords.empty());
    // the shuffle drew once for the group's rhythm 60, 120 and once for its two pitches
    EXPECT_EQ(motivicaRand(), 10982);
}

TEST(SimpleWaysTest, VariantsDifferFromTheSourceAndFromEachOther) {
    const TMotive source = melody();
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(kind);
        std::unique_ptr<TEffectWay> way;
        if (kind == 0)
            way = std::make_unique<TVariationWay>(harmonySetChords());
        else if (kind == 1)
            way = std::make_unique<TPartsWay>(harmonySetChords());
        else
            way = std::make_unique<TRhythmWay>(harmonySetChords());
        EXPECT_TRUE(way->hasMore());
        TRecordingListener listener;
        way->setListener(&listener);
        way->acceptMotive(source);
        for (int round = 0; round < 5; ++round) {
            TMotive withoutChords = source;
            withoutChords.chords.clear();
            for (int i = 0; i < PANE_COUNT; ++i) {
                EXPECT_FALSE(way->pane(i) == withoutChords);
                EXPECT_TRUE(way->pane(i).chords.empty());
                for (int j = 0; j < i; ++j)
                    EXPECT_FALSE(way->pane(i) == way->pane(j));
                for (const TNote& n : way->pane(i).notes)
                    EXPECT_TRUE(n.chording);
            }
            way->moreEffect();
        }
        EXPECT_EQ(listener.played, 5);
        EXPECT_EQ(listener.kept.size(), 15u);
    }
}

TEST(SimpleWaysTest, RhythmKeepsPitchOrderAndMeasureLength) {
    TRhythmWay way(harmonySetChords());
    const TMotive source = melody();
    for (int round = 0; round < 30; ++round) {
        way.acceptMotive(source);
        for (int i = 0; i < PANE_COUNT; ++i) {
            const TNoteList& notes = way.pane(i).notes;
            ASSERT_EQ(notes.size(), source.notes.size());
            for (size_t k = 0; k < notes.size(); ++k)
                ASSERT_EQ(notes[k].pitch, source.notes[k].pitch);
            ASSERT_LE(notes.back().endTime(), 240);
        }
    }
}

TEST(SimpleWaysTest, WaysWithoutMoreIgnoreIt) {
    TOtherWay way(harmonySetChords());
    TRecordingListener listener;
    way.setListener(&listener);
    way.acceptMotive(melody());
    const TMotive before = way.pane(2);
    way.moreEffect();
    EXPECT_EQ(way.pane(2), before);
    EXPECT_EQ(listener.played, 0);
    EXPECT_TRUE(listener.kept.empty());
}
