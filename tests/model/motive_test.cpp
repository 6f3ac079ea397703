#include "model/motive.h"

#include <gtest/gtest.h>

namespace {

struct TCountingListener : TMotiveListener {
    int calls = 0;
    void motiveChanged() override { ++calls; }
};

TChord chordAtTime(const char* type, int32_t time, int32_t soprano = -1) {
    TChord c = chordFromTypeName(type);
    c.time = time;
    if (soprano >= 0)
        c.setVoicing(soprano, soprano - 2, soprano - 4, soprano - 9);
    return c;
}

}  // namespace

TEST(MotiveTest, TimeLayout) {
    TMotive def;
    EXPECT_EQ(def.key, TKey(0, MAJOR));
    EXPECT_EQ(def.startTime(), 0);
    EXPECT_EQ(def.endTime(), 240);
    EXPECT_EQ(def.measureCount(), 1);

    TMotive m(TKey(), TMeasure(3, 120), 120);
    EXPECT_EQ(m.startTime(), 240);
    EXPECT_EQ(m.endTime(), 600);
    EXPECT_EQ(m.measureCount(), 2);
    m.setChord(chordAtTime("TONIC_THREE_CHORD", 0));
    EXPECT_FALSE(m.hasAllChords());
    m.setChord(chordAtTime("DOMINANT_THREE_CHORD", 360));
    EXPECT_TRUE(m.hasAllChords());
}

TEST(MotiveTest, SetChordPlacement) {
    TMotive m(TKey(), TMeasure(), 60);
    m.setChord(chordAtTime("DOMINANT_THREE_CHORD", 240));
    m.setChord(chordAtTime("TONIC_THREE_CHORD", 0));
    ASSERT_EQ(m.chords.size(), 2u);
    EXPECT_EQ(m.chords[0].typeName, "TONIC_THREE_CHORD");
    EXPECT_EQ(m.chords[1].time, 240);

    TMotive one(TKey(), TMeasure(), 60);
    one.setChord(chordAtTime("DOMINANT_THREE_CHORD", 240));
    one.setChord(chordAtTime("TONIC_SIXTH_CHORD", 240));
    ASSERT_EQ(one.chords.size(), 1u);
    EXPECT_EQ(one.chords[0].typeName, "TONIC_SIXTH_CHORD");
    one.setChord(chordAtTime("TONIC_THREE_CHORD", 480));
    ASSERT_EQ(one.chords.size(), 2u);
    EXPECT_EQ(one.chords[1].time, 480);

    // two chords in place: a chord at a time neither has is not placed
    const TMotive before = m;
    m.setChord(chordAtTime("TONIC_FOUR_CHORD", 120));
    EXPECT_EQ(m.chords.size(), 2u);
    EXPECT_EQ(m.chords[0].typeName, "TONIC_THREE_CHORD");
    EXPECT_EQ(m.chords[1].typeName, "DOMINANT_THREE_CHORD");
    m.setChord(chordAtTime("TONIC_FOUR_CHORD", 240));
    EXPECT_EQ(m.chords[1].typeName, "TONIC_FOUR_CHORD");
}

TEST(MotiveTest, CopyAssignmentAndEquality) {
    TCountingListener listener;
    TMotive a(TKey(1, MINOR), TMeasure());
    a.setListener(&listener);
    a.setVariantTag(7);
    a.notes.emplace_back(0, 20, 120);
    a.chords.push_back(chordAtTime("TONIC_THREE_CHORD", 0, 27));

    TMotive copy(a);
    EXPECT_EQ(copy.listener(), nullptr);
    EXPECT_EQ(copy.variantTag(), -1);
    EXPECT_EQ(copy, a);

    TCountingListener other;
    TMotive target;
    target.setListener(&other);
    target.setVariantTag(3);
    target = a;
    EXPECT_EQ(target.listener(), &other);
    EXPECT_EQ(target.variantTag(), 3);
    EXPECT_EQ(other.calls, 0);
    EXPECT_EQ(listener.calls, 0);
    EXPECT_EQ(target.key, TKey(1, MINOR));

    // keys are not compared; voicings and notes are
    TMotive inC(TKey(0, MAJOR), TMeasure());
    inC.assignContent(a);
    EXPECT_EQ(inC.key, TKey(0, MAJOR));
    EXPECT_EQ(inC, a);
    inC.chords[0].soprano = 26;
    EXPECT_NE(inC, a);
    inC.chords[0].soprano = 27;
    inC.notes[0].sharp = true;
    EXPECT_NE(inC, a);
    inC.notes[0].sharp = false;
    inC.notes[0].chording = false;
    EXPECT_EQ(inC, a);
    inC.notes.emplace_back(120, 20, 120);
    EXPECT_NE(inC, a);
}

TEST(MotiveTest, NotificationsAndFlags) {
    TCountingListener l;
    TMotive m;
    m.setListener(&l);
    m.notes = {TNote(0, 1, 60), TNote(60, 2, 60), TNote(120, 3, 120)};
    m.updateChording();  // no chords: nothing changes and nobody hears
    EXPECT_EQ(l.calls, 0);
    EXPECT_TRUE(m.notes[1].chording);

    m.setChord(chordAtTime("TONIC_THREE_CHORD", 0));
    m.updateChording();
    EXPECT_EQ(l.calls, 1);
    EXPECT_TRUE(m.notes[0].chording);   // E
    EXPECT_FALSE(m.notes[1].chording);  // F
    EXPECT_TRUE(m.notes[2].chording);   // G

    m.setNotes({TNote(0, -1, 240)});
    m.updateChording();
    EXPECT_FALSE(m.notes[0].chording);
    m.clearNotes();
    m.setChords({});
    m.clearChords();
    m.setAnacrusis(0);
    m.clear();
    EXPECT_EQ(l.calls, 8);
    m.setChord(chordAtTime("TONIC_THREE_CHORD", 0));
    m.updateSharps();
    EXPECT_EQ(l.calls, 8);

    TMotive minor(TKey(0, MINOR), TMeasure());
    minor.notes = {TNote(0, 3, 60), TNote(60, 4, 60), TNote(120, -1, 120)};
    minor.notes[1].sharp = true;
    minor.updateSharps();
    EXPECT_TRUE(minor.notes[0].sharp);  // G sharp
    EXPECT_FALSE(minor.notes[1].sharp);
    EXPECT_FALSE(minor.notes[2].sharp);
}

TEST(MotiveTest, QueriesByTime) {
    TMotive m(TKey(), TMeasure(), 60);  // window 180..420
    m.notes = {TNote(180, 10, 60), TNote(240, 11, 60), TNote(300, 12, 60), TNote(360, 13, 60)};
    m.setChord(chordAtTime("TONIC_THREE_CHORD", 0));
    m.setChord(chordAtTime("DOMINANT_THREE_CHORD", 240));

    EXPECT_EQ(m.chordAt(240)->typeName, "DOMINANT_THREE_CHORD");
    EXPECT_EQ(m.chordAt(100), nullptr);
    EXPECT_EQ(m.chordOfMeasure(200)->time, 0);
    EXPECT_EQ(m.chordOfMeasure(400)->time, 240);
    TMotive firstOnly = m;
    firstOnly.chords.resize(1);
    EXPECT_EQ(firstOnly.chordOfMeasure(300), nullptr);

    EXPECT_EQ(m.firstNoteFrom(241), 1u);  // one tick early still counts
    EXPECT_EQ(m.firstNoteFrom(242), 2u);
    EXPECT_EQ(m.firstNoteFrom(500), 4u);

    const TNoteList second = m.notesInMeasure(250);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(second[0].time, 240);

    const TNoteList atBar = m.notesBefore(240, 3);  // first note of a measure
    ASSERT_EQ(atBar.size(), 3u);
    for (const TNote& n : atBar)
        EXPECT_EQ(n, TNote());
    const TNoteList before = m.notesBefore(360, 3);
    ASSERT_EQ(before.size(), 3u);
    EXPECT_EQ(before[0].time, 300);
    EXPECT_EQ(before[1].time, 240);
    EXPECT_EQ(before[2], TNote());
}

TEST(MotiveTest, RhythmWithAndWithoutAnacrusis) {
    TMotive plain;
    EXPECT_EQ(plain.rhythm(), (TRhythm{-240}));
    TMotive threeFour(TKey(), TMeasure(3, 120));
    EXPECT_EQ(threeFour.rhythm(), (TRhythm{-240, -120}));

    plain.notes = {TNote(0, 10, 120), TNote(180, 11, 60)};
    EXPECT_EQ(plain.rhythm(), (TRhythm{120, -60, 60}));

    TMotive upbeat(TKey(), TMeasure(), 60);
    upbeat.notes = {TNote(180, 10, 60), TNote(300, 11, 120)};
    EXPECT_EQ(upbeat.rhythm(), (TRhythm{60, -60, 120}));

    // a gap across the bar line is split there
    TMotive gap(TKey(), TMeasure(), 120);
    gap.notes = {TNote(120, 10, 30), TNote(300, 12, 60)};
    EXPECT_EQ(gap.rhythm(), (TRhythm{30, -90, -60, 60}));

    // rest notes are taken as they stand
    TMotive rests;
    rests.notes = {TNote(0, -1, -120), TNote(120, 3, 120)};
    EXPECT_EQ(rests.rhythm(), (TRhythm{-120, 120}));

    // a zero-length note from a hand-edited file must not stall the walk
    TMotive zero;
    zero.notes = {TNote(0, 3, 0), TNote(0, 3, 120)};
    EXPECT_EQ(zero.rhythm(), (TRhythm{120, -120}));

    TRhythm pieces;
    restPieces(pieces, 270);
    EXPECT_EQ(pieces, (TRhythm{-240, -30}));
    pieces.clear();
    restPieces(pieces, 480);
    EXPECT_EQ(pieces, (TRhythm{-480}));
    pieces.clear();
    restPieces(pieces, 50);
    EXPECT_EQ(pieces, (TRhythm{-30}));
}
