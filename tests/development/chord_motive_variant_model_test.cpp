#include "development/chord_motive_variant_model.h"

#include <gtest/gtest.h>

namespace {

class TCountingListener : public TMotiveListener {
  public:
    void motiveChanged() override { ++calls; }
    int calls = 0;
};

TChord voiced(const char* type, int32_t time, int32_t soprano) {
    TChord chord = chordFromTypeName(type);
    chord.time = time;
    chord.setVoicing(soprano, soprano - 2, soprano - 4, soprano - 7);
    return chord;
}

}  // namespace

TEST(ChordMotiveVariantModelTest, CarriedChordIsShownOnce) {
    // 2/4 with an anacrusis: the previous motive's second chord sounds on into this motive
    TMotive previous(TKey(), TMeasure(), 60);
    previous.chords = {voiced("TONIC_THREE_CHORD", 0, 20), voiced("DOMINANT_THREE_CHORD", 240, 21)};
    TMotive motive(TKey(), TMeasure(), 60);
    motive.chords = {voiced("DOMINANT_THREE_CHORD", 0, 21), voiced("TONIC_THREE_CHORD", 240, 22)};

    TChordMotiveVariantModel model(motive, &previous, 240, 1);
    const TChordList& shown = model.chords();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].soprano, 20);
    EXPECT_EQ(shown[1].soprano, 21);
    EXPECT_EQ(shown[2].soprano, 22);
    // asking again does not pile the chords up
    EXPECT_EQ(model.chords().size(), 3u);

    // a different first chord: both are shown
    motive.chords[0] = voiced("SUBDOMINANT_THREE_CHORD", 0, 23);
    EXPECT_EQ(model.chords().size(), 4u);
}

TEST(ChordMotiveVariantModelTest, WithoutPreviousChordsTheMotivesOwnListIsShown) {
    TMotive motive;
    motive.chords = {voiced("TONIC_THREE_CHORD", 0, 20)};
    TChordMotiveVariantModel alone(motive, nullptr, 0, 0);
    EXPECT_EQ(&alone.chords(), &motive.chords);

    TMotive previous;
    TChordMotiveVariantModel empty(motive, &previous, 0, 0);
    EXPECT_EQ(&empty.chords(), &motive.chords);
}

TEST(ChordMotiveVariantModelTest, PositionsFlagsAndChordChoice) {
    TMotive motive(TKey(), TMeasure(3, 120));
    TCountingListener listener;
    motive.setListener(&listener);
    TChordMotiveVariantModel model(motive, nullptr, 0, 3);
    EXPECT_EQ(model.startPosition(), 0);
    EXPECT_EQ(model.endPosition(), 360);
    model.setStartPosition(120);
    EXPECT_EQ(model.startPosition(), 120);
    EXPECT_EQ(model.origin(), 0);
    EXPECT_EQ(model.kind(), 3);
    EXPECT_TRUE(model.offersChords());
    EXPECT_FALSE(model.offersNotes());
    EXPECT_FALSE(model.showsNotesBehind());
    EXPECT_EQ(&model.identity(), &motive);
    EXPECT_EQ(&model.meter(), &motive.measure);
    EXPECT_EQ(model.previousNote(), TNote());

    model.setNote(TNote(0, 20, 120));
    EXPECT_TRUE(motive.notes.empty());
    TChordList candidates = {voiced("TONIC_THREE_CHORD", 0, 20)};
    model.filterChords(candidates, 0);
    EXPECT_EQ(candidates.size(), 1u);
    EXPECT_EQ(listener.calls, 0);

    model.setChord(voiced("TONIC_THREE_CHORD", 0, 20));
    ASSERT_EQ(motive.chords.size(), 1u);
    EXPECT_EQ(motive.chords[0].soprano, 20);
    EXPECT_EQ(listener.calls, 1);
}
