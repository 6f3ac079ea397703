#include <gtest/gtest.h>

#include "development/rel_other_way.h"
#include "development/rel_parts_way.h"
#include "development/rel_repeat_way.h"
#include "development/rel_rhythm_way.h"
#include "generation/random.h"
#include "recording_way_listener.h"

namespace {

// C major: 20 is C, 22 E, 24 G; 30 F and 32 A of the subdominant
const TKey C_MAJOR(0, MAJOR);

TChord chordAt(const char* type, int32_t time) {
    TChord chord = chordFromTypeName(type);
    chord.time = time;
    return chord;
}

TMotive harmonised(TNoteList notes, TChordList chords, DURATION anacrusis = 0) {
    TMotive motive(C_MAJOR, TMeasure(), anacrusis);
    motive.notes = std::move(notes);
    motive.chords = std::move(chords);
    motive.updateChording();
    return motive;
}

std::vector<int32_t> pitchesOf(const TMotive& motive) {
    std::vector<int32_t> p;
    for (const TNote& n : motive.notes)
        p.push_back(n.pitch);
    return p;
}

}  // namespace

TEST(RelWaysTest, WaitsForChordsAndThenGenerates) {
    TRelSequenceUpWay way(harmonySetChords());
    TMotive source(C_MAJOR, TMeasure());
    source.notes = {TNote(0, 20, 120), TNote(120, 22, 120)};
    resetMotivicaRandForTesting();
    way.acceptMotive(source);
    // one random chord was drawn for the single measure's analysis
    EXPECT_EQ(motivicaRand(), 130);
    for (int i = 0; i < PANE_COUNT; ++i)
        EXPECT_EQ(way.pane(i), source);
    EXPECT_FALSE(way.canFill(way.pane(0)));

    TRecordingListener listener;
    way.setListener(&listener);
    way.editStarted(1);
    EXPECT_EQ(listener.kept, (std::vector<int>{0, 2}));
    for (int i = 0; i < PANE_COUNT; ++i)
        EXPECT_TRUE(way.pane(i).notes.empty());

    way.pane(1).setChord(chordAt("TONIC_THREE_CHORD", 0));
    way.chordsChosen(1);
    for (int i = 0; i < PANE_COUNT; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(way.pane(i).chords.size(), 1u);
        EXPECT_EQ(way.pane(i).chords[0].type, TChordType::TONIC_THREE_CHORD);
        ASSERT_EQ(way.pane(i).notes.size(), 2u);
        EXPECT_EQ(way.pane(i).notes[0].duration, 120);
    }
}

TEST(RelWaysTest, AcceptingAHarmonisedMotiveGeneratesAtOnce) {
    TRelSequenceUpWay way(harmonySetChords());
    const TMotive source =
        harmonised({TNote(0, 20, 120), TNote(120, 22, 120)}, {chordAt("TONIC_THREE_CHORD", 0)});
    resetMotivicaRandForTesting();
    way.acceptMotive(source);
    // the source's own chords: nothing is drawn
    EXPECT_EQ(motivicaRand(), 346);
    // references one, two, three chord tones above C; an arpeggio of one chord tone up follows
    EXPECT_EQ(pitchesOf(way.pane(0)), (std::vector<int32_t>{22, 24}));
    EXPECT_EQ(pitchesOf(way.pane(1)), (std::vector<int32_t>{24, 27}));
    EXPECT_EQ(pitchesOf(way.pane(2)), (std::vector<int32_t>{27, 29}));
}

TEST(RelWaysTest, SequenceReferencesFallBackNearTheRangeEdges) {
    const TChordList tonic = {chordAt("TONIC_THREE_CHORD", 0)};
    {
        SCOPED_TRACE("up from G (31): 34 is the only chord tone above in range");
        TRelSequenceUpWay way(harmonySetChords());
        way.acceptMotive(harmonised({TNote(0, 31, 240)}, tonic));
        for (int32_t amount = 1; amount <= 3; ++amount)
            EXPECT_EQ(way.shiftedReferences(way.pane(0), amount)[0].referencePitch, 34);
    }
    {
        SCOPED_TRACE("down from E (15): 13, then nothing below");
        TRelSequenceDownWay way(harmonySetChords());
        way.acceptMotive(harmonised({TNote(0, 15, 240)}, tonic));
        EXPECT_EQ(way.shiftedReferences(way.pane(0), -1)[0].referencePitch, 13);
        EXPECT_EQ(way.shiftedReferences(way.pane(0), -2)[0].referencePitch, 13);
        EXPECT_EQ(way.pane(2).notes.at(0).pitch, 13);
    }
    {
        SCOPED_TRACE("no chord tone in range keeps the reference");
        TRelSequenceUpWay way(harmonySetChords());
        way.acceptMotive(harmonised({TNote(0, 34, 240)}, tonic));
        EXPECT_EQ(way.shiftedReferences(way.pane(0), 2)[0].referencePitch, 34);
    }
}

TEST(RelWaysTest, RepeatSkipsAPaneWhoseOctaveLeavesTheRange) {
    TRelRepeatWay way(harmonySetChords());
    way.acceptMotive(harmonised({TNote(0, 30, 120), TNote(120, 32, 120)},
                                {chordAt("SUBDOMINANT_THREE_CHORD", 0)}));
    EXPECT_EQ(way.references().at(0).referencePitch, 30);
    EXPECT_EQ(pitchesOf(way.pane(0)), (std::vector<int32_t>{30, 32}));
    // 37 is out of range: the pane keeps its chords and no notes
    EXPECT_TRUE(way.pane(1).notes.empty());
    EXPECT_EQ(way.pane(1).chords.size(), 1u);
    EXPECT_EQ(pitchesOf(way.pane(2)), (std::vector<int32_t>{23, 25}));
}

TEST(RelWaysTest, OtherMirrorsTheTurnsInTheFirstPane) {
    TRelOtherWay way(harmonySetChords());
    way.acceptMotive(harmonised({TNote(0, 20, 60), TNote(60, 21, 60), TNote(120, 22, 120)},
                                {chordAt("TONIC_THREE_CHORD", 0)}));
    // a rising line C D E becomes a falling run from C
    EXPECT_EQ(pitchesOf(way.pane(0)), (std::vector<int32_t>{20, 19, 18}));
    // the retrograde pane: the line generated again, then reversed in rhythm and pitch
    EXPECT_EQ(pitchesOf(way.pane(1)), (std::vector<int32_t>{22, 21, 20}));
    EXPECT_EQ(way.pane(1).notes[0].duration, 120);
    EXPECT_TRUE(way.pane(1).notes[0].chording);
    EXPECT_FALSE(way.pane(1).notes[1].chording);
}

TEST(RelWaysTest, AnAnacrusisNeedsTwoChords) {
    TRelRhythmWay way(harmonySetChords());
    TMotive source(C_MAJOR, TMeasure(), 60);
    source.notes = {TNote(180, 20, 60), TNote(240, 22, 120), TNote(360, 24, 60)};
    source.chords = {chordAt("TONIC_THREE_CHORD", 0)};
    resetMotivicaRandForTesting();
    way.acceptMotive(source);
    // one chord for two measures: two random chords for the analysis
    EXPECT_EQ(motivicaRand(), 10982);
    EXPECT_EQ(way.pitchScheme().size(), 2u);
    EXPECT_FALSE(way.canFill(way.pane(0)));
    EXPECT_EQ(way.pane(0), source);

    TRecordingListener listener;
    way.setListener(&listener);
    way.moreEffect();  // nothing to fill yet
    EXPECT_EQ(listener.played, 0);

    way.pane(2).setChords({chordAt("DOMINANT_THREE_CHORD", 0), chordAt("TONIC_THREE_CHORD", 240)});
    way.chordsChosen(2);
    for (int i = 0; i < PANE_COUNT; ++i) {
        EXPECT_EQ(way.pane(i).chords.size(), 2u);
        EXPECT_EQ(way.pane(i).notes.size(), 3u);
    }
    way.moreEffect();
    EXPECT_EQ(listener.played, 1);
    EXPECT_EQ(listener.kept, (std::vector<int>{0, 1, 2}));

    way.setFrame(TMeasure(), C_MAJOR, 60);
    EXPECT_TRUE(way.pitchScheme().empty());
    EXPECT_FALSE(way.canFill(way.pane(0)));
}

TEST(RelWaysTest, PartsAndRhythmVariantsDifferFromEachOther) {
    const TMotive source =
        harmonised({TNote(0, 20, 60), TNote(60, 21, 60), TNote(120, 22, 60), TNote(180, 24, 60)},
                   {chordAt("TONIC_THREE_CHORD", 0)});
    TRelPartsWay parts(harmonySetChords());
    TRelRhythmWay rhythm(harmonySetChords());
    for (TRelEffectWay* way : std::vector<TRelEffectWay*>{&parts, &rhythm}) {
        way->acceptMotive(source);
        for (int round = 0; round < 5; ++round) {
            for (int i = 0; i < PANE_COUNT; ++i) {
                EXPECT_FALSE(way->pane(i) == source);
                for (int j = 0; j < i; ++j)
                    EXPECT_FALSE(way->pane(i) == way->pane(j));
            }
            way->moreEffect();
        }
    }
}
