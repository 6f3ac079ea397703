#include "model/motive.h"

#include <gtest/gtest.h>

#include <vector>

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
    EXPECT_EQ(m.chords[0].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(m.chords[1].time, 240);

    TMotive one(TKey(), TMeasure(), 60);
    one.setChord(chordAtTime("DOMINANT_THREE_CHORD", 240));
    one.setChord(chordAtTime("TONIC_SIXTH_CHORD", 240));
    ASSERT_EQ(one.chords.size(), 1u);
    EXPECT_EQ(one.chords[0].type, TChordType::TONIC_SIXTH_CHORD);
    one.setChord(chordAtTime("TONIC_THREE_CHORD", 480));
    ASSERT_EQ(one.chords.size(), 2u);
    EXPECT_EQ(one.chords[1].time, 480);

    // two chords in place: a chord at a time neither has is not placed
    const TMotive before = m;
    m.setChord(chordAtTime("TONIC_FOUR_CHORD", 120));
    EXPECT_EQ(m.chords.size(), 2u);
    EXPECT_EQ(m.chords[0].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(m.chords[1].type, TChordType::DOMINANT_THREE_CHORD);
    m.setChord(chordAtTime("TONIC_FOUR_CHORD", 240));
    EXPECT_EQ(m.chords[1].type, TChordType::TONIC_FOUR_CHORD);
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

    EXPECT_EQ(m.chordAt(240)->type, TChordType::DOMINANT_THREE_CHORD);
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

TEST(MotiveTest, WhichOperationsNotify) {
    TCountingListener l;
    TMotive m(TKey(), TMeasure(), 60);
    m.setListener(&l);
    struct TCase {
        const char* what;
        void (*change)(TMotive&);
        int calls;
    };
    const std::vector<TCase> cases = {
        {"clear", [](TMotive& x) { x.clear(); }, 1},
        {"setNotes", [](TMotive& x) { x.setNotes({TNote(180, 3, 60)}); }, 1},
        {"clearNotes", [](TMotive& x) { x.clearNotes(); }, 1},
        {"setChords", [](TMotive& x) { x.setChords({chordAtTime("TONIC_THREE_CHORD", 0)}); }, 1},
        {"clearChords", [](TMotive& x) { x.clearChords(); }, 1},
        {"setAnacrusis", [](TMotive& x) { x.setAnacrusis(60); }, 1},
        {"setChord", [](TMotive& x) { x.setChord(chordAtTime("TONIC_THREE_CHORD", 0)); }, 0},
        {"updateSharps", [](TMotive& x) { x.updateSharps(); }, 0},
        {"updateChording with a chord", [](TMotive& x) { x.updateChording(); }, 1},
        {"assignContent", [](TMotive& x) { x.assignContent(TMotive()); }, 0},
        {"updateChording without chords", [](TMotive& x) { x.updateChording(); }, 0},
        {"assignment", [](TMotive& x) { x = TMotive(TKey(2, MAJOR), TMeasure(3, 120)); }, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        l.calls = 0;
        c.change(m);
        EXPECT_EQ(l.calls, c.calls);
        EXPECT_EQ(m.listener(), &l);
    }
    // assignContent kept the meter, assignment brought the other's
    EXPECT_EQ(m.measure, TMeasure(3, 120));
    EXPECT_EQ(m.key, TKey(2, MAJOR));
    EXPECT_EQ(m.anacrusis, 0);
}

TEST(MotiveTest, ListsAreCopiedWithoutHighlight) {
    TNote lit(0, 20, 120);
    lit.playing = true;
    lit.chording = false;
    lit.sharp = true;
    TMotive m;
    m.setNotes({lit});
    ASSERT_EQ(m.notes.size(), 1u);
    EXPECT_FALSE(m.notes[0].playing);
    EXPECT_FALSE(m.notes[0].chording);
    EXPECT_TRUE(m.notes[0].sharp);

    m.notes[0].playing = true;
    const TMotive copy(m);
    EXPECT_FALSE(copy.notes[0].playing);
    TMotive assigned;
    assigned = m;
    EXPECT_FALSE(assigned.notes[0].playing);
    TMotive content(TKey(3, MINOR), TMeasure(3, 60), 60);
    content.assignContent(m);
    EXPECT_FALSE(content.notes[0].playing);
    EXPECT_EQ(content.key, TKey(3, MINOR));
    EXPECT_EQ(content.measure, TMeasure(3, 60));
    EXPECT_EQ(content.anacrusis, 60);
    EXPECT_FALSE(content.isEmpty());

    TMotive onlyChords;
    onlyChords.setChord(chordAtTime("TONIC_THREE_CHORD", 0));
    EXPECT_FALSE(onlyChords.isEmpty());
    EXPECT_TRUE(onlyChords.hasAllChords());
    EXPECT_TRUE(TMotive().isEmpty());
    EXPECT_FALSE(TMotive().hasAllChords());
}

TEST(MotiveTest, ChordingStopsWhereAMeasureHasNoChord) {
    // anacrusis 60 in 2/4: measure 0 holds 180..240, measure 1 240..420
    TMotive m(TKey(), TMeasure(), 60);
    m.notes = {TNote(180, 1, 60), TNote(240, 2, 60), TNote(300, 1, 120)};
    for (TNote& n : m.notes)
        n.chording = false;
    // only the second measure has a chord: the first note already finds it
    m.setChord(chordAtTime("TONIC_THREE_CHORD", 240));
    m.updateChording();
    EXPECT_TRUE(m.notes[0].chording);
    EXPECT_FALSE(m.notes[1].chording);  // F
    EXPECT_TRUE(m.notes[2].chording);   // E

    // only the first measure has a chord: the walk ends at the bar line
    TMotive first(TKey(), TMeasure(), 60);
    first.notes = {TNote(180, 2, 60), TNote(240, 2, 60), TNote(300, 1, 120)};
    first.setChord(chordAtTime("TONIC_THREE_CHORD", 0));
    first.notes[2].chording = false;
    first.updateChording();
    EXPECT_FALSE(first.notes[0].chording);  // F is no tone of C E G
    EXPECT_TRUE(first.notes[1].chording);   // kept
    EXPECT_FALSE(first.notes[2].chording);  // kept

    // the raised seventh of a minor key and its chord
    TMotive minor(TKey(0, MINOR), TMeasure());
    minor.notes = {TNote(0, 3, 60), TNote(60, 6, 60), TNote(120, 45, 60)};
    minor.setChord(chordAtTime("DOMINANT_THREE_CHORD", 0));
    minor.updateChording();
    minor.updateSharps();
    EXPECT_TRUE(minor.notes[0].chording);  // G sharp
    EXPECT_TRUE(minor.notes[0].sharp);
    EXPECT_FALSE(minor.notes[1].chording);  // C
    EXPECT_FALSE(minor.notes[1].sharp);
    EXPECT_FALSE(minor.notes[2].chording);  // outside the positions
    EXPECT_FALSE(minor.notes[2].sharp);
}

TEST(MotiveTest, TimeWindowBoundaries) {
    TMotive m(TKey(), TMeasure(), 60);  // window 180..420, bar line at 240
    m.notes = {TNote(180, 10, 60), TNote(240, 11, 60), TNote(300, 12, 60), TNote(360, 13, 60)};
    TChord late = chordAtTime("DOMINANT_THREE_CHORD", 239);
    m.chords = {late};
    // a chord one tick before the bar line still belongs to the measure after it
    ASSERT_NE(m.chordOfMeasure(240), nullptr);
    EXPECT_EQ(m.chordOfMeasure(240)->time, 239);
    m.chords[0].time = 238;
    EXPECT_EQ(m.chordOfMeasure(240), nullptr);
    EXPECT_EQ(m.chordOfMeasure(239)->time, 238);
    // the chord of an earlier measure is the first at or after that measure's start
    m.chords = {chordAtTime("TONIC_THREE_CHORD", 0), chordAtTime("DOMINANT_THREE_CHORD", 240)};
    EXPECT_EQ(m.chordOfMeasure(0)->time, 0);
    EXPECT_EQ(m.chordOfMeasure(239)->time, 0);
    EXPECT_EQ(m.chordOfMeasure(240)->time, 240);
    EXPECT_EQ(m.chordOfMeasure(479)->time, 240);
    EXPECT_EQ(m.chordOfMeasure(480), nullptr);
    EXPECT_EQ(m.chordAt(240)->time, 240);
    EXPECT_EQ(m.chordAt(239), nullptr);

    EXPECT_EQ(m.firstNoteFrom(0), 0u);
    EXPECT_EQ(m.firstNoteFrom(181), 0u);
    EXPECT_EQ(m.firstNoteFrom(182), 1u);
    EXPECT_EQ(m.firstNoteFrom(361), 3u);
    EXPECT_EQ(m.firstNoteFrom(362), 4u);

    // a measure is [start, start + length): the bar line belongs to the measure after it
    const TNoteList first = m.notesInMeasure(239);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].time, 180);
    EXPECT_EQ(m.notesInMeasure(240).size(), 3u);
    EXPECT_EQ(m.notesInMeasure(479).size(), 3u);
    EXPECT_TRUE(m.notesInMeasure(480).empty());

    // notes at or after t are not taken; the walk ends at an earlier measure
    const TNoteList two = m.notesBefore(301, 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].time, 300);
    EXPECT_EQ(two[1].time, 240);
    const TNoteList three = m.notesBefore(300, 3);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].time, 240);
    EXPECT_EQ(three[1], TNote());
    EXPECT_EQ(three[2], TNote());
    const TNoteList late2 = m.notesBefore(400, 2);  // only the two nearest
    ASSERT_EQ(late2.size(), 2u);
    EXPECT_EQ(late2[0].time, 360);
    EXPECT_EQ(late2[1].time, 300);
    const TNoteList inUpbeat = m.notesBefore(200, 2);
    ASSERT_EQ(inUpbeat.size(), 2u);
    EXPECT_EQ(inUpbeat[0].time, 180);
    EXPECT_EQ(inUpbeat[1], TNote());
    EXPECT_TRUE(m.notesBefore(300, 0).empty());
}

TEST(MotiveTest, RhythmRestsAtBarLines) {
    struct TCase {
        const char* what;
        TMeasure measure;
        DURATION anacrusis;
        TNoteList notes;
        TRhythm expected;
    };
    const std::vector<TCase> cases = {
        {"empty, anacrusis of an eighth", TMeasure(), 60, {}, {-60, -180}},
        {"empty 3/4 with a quarter upbeat", TMeasure(3, 120), 120, {}, {-120, -240}},
        {"empty 3/8", TMeasure(3, 60), 0, {}, {-180}},
        {"trailing gap", TMeasure(), 0, {TNote(0, 3, 60)}, {60, -180}},
        {"leading gap of 270 in 3/4", TMeasure(3, 120), 0, {TNote(270, 3, 90)}, {-240, -30, 90}},
        {"gap ending on the bar line",
         TMeasure(),
         120,
         {TNote(120, 3, 30), TNote(240, 3, 120)},
         {30, -90, 120}},
        {"a rest note split at the bar line",
         TMeasure(),
         120,
         {TNote(120, -1, -180)},
         {-120, -60, -60}},
        {"a note over the bar line", TMeasure(), 60, {TNote(180, 3, 120)}, {120, -120}},
        {"the whole motive one note", TMeasure(), 0, {TNote(0, 3, 240)}, {240}},
        {"a remainder below a sixteenth is dropped", TMeasure(), 0, {TNote(0, 3, 200)}, {200, -30}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        TMotive m(TKey(), c.measure, c.anacrusis);
        m.notes = c.notes;
        EXPECT_EQ(m.rhythm(), c.expected);
    }
    TRhythm r;
    appendRest(r, 90, 210, 240);  // 210..300 crosses 240
    EXPECT_EQ(r, (TRhythm{-30, -60}));
    r.clear();
    appendRest(r, 60, 180, 240);  // ends on the bar line: not split
    EXPECT_EQ(r, (TRhythm{-60}));
    r.clear();
    restPieces(r, 450);
    EXPECT_EQ(r, (TRhythm{-240, -210}));
    r.clear();
    restPieces(r, 29);
    EXPECT_TRUE(r.empty());
}
