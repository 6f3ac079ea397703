#include "generation/scheme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

const TKey C_MAJOR(0, MAJOR);
const TMeasure TWO_FOUR(2, 120);

TChord arranged(const char* type, int32_t time = 0) {
    TChord c = chordFromTypeName(type);
    c.time = time;
    c.buildArrangements(C_MAJOR, SOPRANO_LOW, SOPRANO_HIGH);
    c.chooseArrangement(SOPRANO_TARGET);
    return c;
}

TNote note(int32_t time, int32_t pitch, DURATION d, const TChord& chord) {
    TNote n(time, pitch, d);
    n.chording = chord.isChordTone(pitch, C_MAJOR);
    return n;
}

// The candidates by pitch.
std::map<int32_t, TScVariant> byPitch(const variant_set& set) {
    std::map<int32_t, TScVariant> m;
    for (const TScVariant& v : set) {
        m[v.pitch] = v;
    }
    return m;
}

std::vector<int32_t> pitches(const variant_set& set) {
    std::vector<int32_t> p;
    for (const TScVariant& v : set) {
        p.push_back(v.pitch);
    }
    std::sort(p.begin(), p.end());
    return p;
}

std::vector<int32_t> range(int32_t lo, int32_t hi) {
    std::vector<int32_t> r;
    for (int32_t p = lo; p <= hi; ++p) {
        r.push_back(p);
    }
    return r;
}

struct Fixture {
    TScheme scheme;
    TMotive motive{C_MAJOR, TWO_FOUR};
    TChord chord = arranged("TONIC_THREE_CHORD");
    variant_set out;

    void collect(int32_t t, bool barLine, int32_t end = 240) {
        scheme.collectVariants(motive.notes, &chord, false, false, barLine, out, TWO_FOUR, motive,
                               t, end);
    }
};

}  // namespace

TEST(SchemeTest, InitialState) {
    TScheme s;
    ASSERT_EQ(s.chordSet().size(), 21u);
    EXPECT_EQ(s.chordSet()[0].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(s.chordSet()[20].type, TChordType::TOPINTRO_FOUR_CHORD);
    EXPECT_FALSE(s.chordSet()[0].isArranged());
    EXPECT_EQ(s.rhythmScheme(), (TRhythm{30, 60, 90, 120, 150, 180, 210, 240}));
    EXPECT_FALSE(s.rhythmInOrder());
    EXPECT_EQ(s.turnScheme(), (std::vector<TURN_ROUND>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(s.turnsInOrder());
    EXPECT_EQ(s.turnAnalysers().size(), 9u);
    EXPECT_EQ(s.rhythmPosition(), 0);
    EXPECT_EQ(s.turnPosition(), 0);
    EXPECT_EQ(s.insertMode(), INSERT_CLASSIC);
    EXPECT_EQ(s.contextMotive(), nullptr);
}

TEST(SchemeTest, RhythmSchemeAsSetOrCycle) {
    TScheme s;
    int told = 0;
    s.setRhythmListener([&told] { ++told; });
    s.setRhythmScheme({240, 60, 120}, false, true);
    EXPECT_EQ(s.rhythmScheme(), (TRhythm{60, 120, 240}));
    EXPECT_EQ(told, 1);
    s.setRhythmScheme({240, 60, 120}, true, false);
    EXPECT_EQ(s.rhythmScheme(), (TRhythm{240, 60, 120}));
    EXPECT_EQ(told, 1);

    s.setRhythmPosition(2);
    EXPECT_EQ(s.peekRhythmPosition(), 0);
    s.setRhythmPosition(1);
    EXPECT_EQ(s.peekRhythmPosition(), 2);
    s.advanceRhythmPosition();
    EXPECT_EQ(s.rhythmPosition(), 2);
    s.advanceRhythmPosition();
    EXPECT_EQ(s.rhythmPosition(), 0);

    s.setRhythmScheme({240, 60, 120}, false, false);
    s.setRhythmPosition(1);
    EXPECT_EQ(s.peekRhythmPosition(), 0);
    s.advanceRhythmPosition();
    EXPECT_EQ(s.rhythmPosition(), 0);

    s.setTurnPosition(3);
    s.setRhythmPosition(2);
    s.resetPositions();
    EXPECT_EQ(s.rhythmPosition(), 0);
    EXPECT_EQ(s.turnPosition(), 0);

    s.clearRhythmListener();
    s.resetScheme();
    EXPECT_EQ(told, 1);
    EXPECT_EQ(s.rhythmScheme().size(), 8u);
}

TEST(SchemeTest, TurnSchemeAndButtons) {
    TScheme s;
    int told = 0;
    s.setTurnListener([&told] { ++told; });
    s.setTurnScheme({9, 3, 7}, true, true);
    EXPECT_EQ(s.turnScheme(), (std::vector<TURN_ROUND>{9, 3, 7}));  // never sorted
    EXPECT_EQ(told, 1);
    s.setTurnPosition(2);
    EXPECT_EQ(s.peekTurnPosition(), 0);
    s.setTurnPosition(0);
    s.advanceTurnPosition();
    EXPECT_EQ(s.turnPosition(), 1);

    struct Case {
        int mode;
        std::vector<TURN_ROUND> turns;
        int32_t insert;
    };
    const std::vector<Case> cases = {{0, {7}, INSERT_CLASSIC},
                                     {1, {2, 3, 4, 5}, INSERT_CLASSIC},
                                     {3, {2, 3, 4, 5}, INSERT_NEW_WAY},
                                     {4, {2, 3, 4, 5}, INSERT_ALL},
                                     {2, {2, 3, 4, 5, 6, 7, 8, 9, 10}, INSERT_CLASSIC}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        s.applyNotesMode(c.mode);
        EXPECT_EQ(s.turnScheme(), c.turns);
        EXPECT_FALSE(s.turnsInOrder());
        EXPECT_EQ(s.insertMode(), c.insert);
    }

    TMotive m(C_MAJOR, TWO_FOUR);
    m.notes = {TNote(0, 20, 60), TNote(60, 22, 120)};
    s.setRhythmPosition(5);
    s.applyRhythmMode(1, m, 0);
    EXPECT_EQ(s.rhythmScheme(), (TRhythm{60, 120, 180, 240}));
    EXPECT_EQ(s.rhythmPosition(), 0);
    s.applyRhythmMode(2, m, 0);
    EXPECT_EQ(s.rhythmScheme(), (TRhythm{120, 240}));
    s.applyRhythmMode(3, m, 90);
    EXPECT_EQ(s.rhythmScheme(), (TRhythm{60, 120, -60}));
    EXPECT_TRUE(s.rhythmInOrder());
    EXPECT_EQ(s.rhythmPosition(), 1);
    s.applyRhythmMode(3, m, 200);
    EXPECT_EQ(s.rhythmPosition(), 2);
    s.applyRhythmMode(0, m, 0);
    EXPECT_EQ(s.rhythmScheme().size(), 8u);
    EXPECT_FALSE(s.rhythmInOrder());
}

TEST(SchemeTest, ChordCandidatesFollowTheSuccessionRule) {
    TScheme s;
    std::vector<TChord> following = {chordOfType(TChordType::TONIC_THREE_CHORD)};
    std::vector<TChord> tonic = {chordOfType(TChordType::TONIC_THREE_CHORD)};
    s.chordsAfter(C_MAJOR, 15, following, tonic);
    // the first list is cleared, the second only appended to
    ASSERT_EQ(tonic.size(), 6u);
    EXPECT_EQ(tonic[1].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(tonic[5].type, TChordType::LOWM_THREE_CHORD);
    EXPECT_EQ(following.front().type, TChordType::DOMINANT_THREE_CHORD);
    for (const TChord& c : following) {
        EXPECT_GE(c.order, 15);
        EXPECT_NE(c.type, TChordType::SUBDOMINANT_THREE_CHORD);
    }

    for (uint8_t mode : {MAJOR, MINOR}) {
        for (int32_t rank : {0, 1, 6, 13, 15, 19}) {
            SCOPED_TRACE(rank);
            const TKey key(-2, mode);
            const std::vector<TChord> list = s.chordCandidates(key, rank);
            const std::vector<TChord> expected = successionCandidates(key, rank);
            ASSERT_EQ(list.size(), expected.size());
            for (size_t i = 0; i < list.size(); ++i) {
                EXPECT_EQ(list[i].type, expected[i].type);
            }
        }
    }
    // among equal orders the set order holds: the dominant triad before the third's sixth chord
    const std::vector<TChord> after15 = s.chordCandidates(C_MAJOR, 15);
    EXPECT_EQ(after15[0].type, TChordType::DOMINANT_THREE_CHORD);
    EXPECT_EQ(after15[1].type, TChordType::LOWM_SIXTH_CHORD);
    EXPECT_EQ(s.chordCandidates(TKey(0, MINOR), 0).size(), 19u);
}

TEST(SchemeTest, ClassicAtABarLineOffersTheChordTonesInRange) {
    Fixture f;
    f.collect(0, true);
    EXPECT_EQ(pitches(f.out), (std::vector<int32_t>{13, 15, 17, 20, 22, 24, 27, 29, 31, 34}));
    for (const TScVariant& v : f.out) {
        EXPECT_TRUE(v.chording);
        EXPECT_EQ(v.turnPosition, -1);
        EXPECT_EQ(v.durations, (std::vector<DURATION>{30, 60, 90, 120, 150, 180, 210, 240}));
        EXPECT_EQ(v.rhythmPosition, 0);
    }
    EXPECT_EQ(f.scheme.contextMotive(), &f.motive);
    EXPECT_EQ(f.scheme.contextMeasure(), &TWO_FOUR);
}

TEST(SchemeTest, ClassicAfterAChordToneRunsEveryAnalyser) {
    Fixture f;
    f.motive.notes = {note(0, 20, 120, f.chord)};
    f.collect(120, false);
    const auto got = byPitch(f.out);
    const std::map<int32_t, std::pair<bool, int32_t>> expected = {
        {20, {true, 0}},   {22, {true, 1}},   {17, {true, 1}},  {24, {true, 2}},
        {15, {true, 2}},   {27, {true, 3}},   {13, {true, 3}},  {21, {false, -1}},
        {19, {false, -1}}, {23, {false, -1}}, {16, {false, -1}}};
    ASSERT_EQ(got.size(), expected.size());
    for (const auto& [p, e] : expected) {
        SCOPED_TRACE(p);
        ASSERT_EQ(got.count(p), 1u);
        EXPECT_EQ(got.at(p).chording, e.first);
        EXPECT_EQ(got.at(p).turnPosition, e.second);
        EXPECT_EQ(got.at(p).durations, (std::vector<DURATION>{30, 60, 90, 120}));
    }
}

TEST(SchemeTest, ClassicIgnoresNotesOfThePreviousMeasure) {
    Fixture f;
    f.scheme.setTurnScheme({TURN_AUXILIARY, TURN_LINE, TURN_ENCIRCLING, TURN_LEAP_OUT}, false,
                           false);
    TMotive two(C_MAJOR, TWO_FOUR, 60);
    f.motive = two;
    f.motive.notes = {note(180, 20, 60, f.chord)};
    f.collect(240, false, 420);
    // N0 lies in the measure before t, so the analysers see no note and fall back
    EXPECT_EQ(pitches(f.out), (std::vector<int32_t>{13, 15, 17, 20, 22, 24, 27, 29, 31, 34}));
}

TEST(SchemeTest, ClassicContinuationsOfNonChordTones) {
    Fixture f;
    struct Case {
        const char* name;
        std::vector<TURN_ROUND> turns;
        std::vector<int32_t> before;  // oldest first
        std::vector<int32_t> expected;
    };
    const std::vector<Case> cases = {
        {"auxiliary returns", {TURN_AUXILIARY}, {20, 21}, {20}},
        {"line continues", {TURN_LINE}, {20, 21}, {22}},
        {"line through two non-chord tones", {TURN_LINE}, {22, 21}, {20}},
        {"encircling goes round", {TURN_ENCIRCLING}, {20, 21}, {19}},
        {"encircling resolves", {TURN_ENCIRCLING}, {20, 21, 19}, {20}},
        {"leap in resolves", {TURN_LEAP_IN}, {20, 25}, {24}},
        {"leap out leaps", {TURN_LEAP_OUT}, {20, 21}, {17, 24}},
        {"arpeggio 0 ignores a non-chord tone",
         {TURN_ARPEGGIO_0},
         {20, 21},
         {13, 15, 17, 20, 22, 24, 27, 29, 31, 34}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.scheme.setTurnScheme(c.turns, false, false);
        f.motive.notes.clear();
        int32_t t = 0;
        for (int32_t p : c.before) {
            f.motive.notes.push_back(note(t, p, 30, f.chord));
            t += 30;
        }
        f.collect(t, false);
        EXPECT_EQ(pitches(f.out), c.expected);
    }
}

TEST(SchemeTest, ClassicLeapInResolvesALoneNonChordTone) {
    Fixture f;
    f.scheme.setTurnScheme({TURN_LEAP_IN}, false, false);
    ASSERT_EQ(f.scheme.insertMode(), INSERT_CLASSIC);
    // D alone at the start of the measure: the note before it is a default note, a chord tone
    // without pitch, so the leap in resolves D by step instead of the fallback to every chord tone
    f.motive.notes = {note(0, 14, 30, f.chord)};
    ASSERT_FALSE(f.motive.notes[0].chording);
    f.collect(30, false);
    const auto got = byPitch(f.out);
    ASSERT_EQ(pitches(f.out), (std::vector<int32_t>{13, 15}));
    for (const auto& [p, v] : got) {
        SCOPED_TRACE(p);
        EXPECT_TRUE(v.chording);
        EXPECT_EQ(v.turnPosition, 0);
    }
}

TEST(SchemeTest, OrderedTurnsUseOnlyTheCurrentKind) {
    Fixture f;
    f.scheme.setTurnScheme({TURN_ARPEGGIO_1, TURN_ARPEGGIO_2}, true, false);
    f.motive.notes = {note(0, 20, 30, f.chord)};
    f.collect(30, false);
    EXPECT_EQ(pitches(f.out), (std::vector<int32_t>{17, 22}));
    // about to move on: the next kind, with its own index
    f.scheme.collectVariants(f.motive.notes, &f.chord, true, false, false, f.out, TWO_FOUR,
                             f.motive, 30, 240);
    EXPECT_EQ(pitches(f.out), (std::vector<int32_t>{15, 24}));
    EXPECT_EQ(f.out.begin()->turnPosition, 1);
}

TEST(SchemeTest, RestsAndDurationsFromTheRhythmScheme) {
    Fixture f;
    f.motive.notes = {note(0, 22, 180, f.chord)};
    f.scheme.setRhythmScheme({60, -120}, true, false);
    f.scheme.setRhythmPosition(1);
    f.collect(180, false);
    ASSERT_EQ(f.out.size(), 1u);
    EXPECT_EQ(f.out.begin()->durations, (std::vector<DURATION>{-60}));
    EXPECT_EQ(f.out.begin()->rhythmPosition, -1);
    EXPECT_EQ(f.out.begin()->pitch, 22);  // shown beside the note before it
    EXPECT_FALSE(f.out.begin()->chording);

    SCOPED_TRACE("a rest that fits keeps its position");
    f.motive.notes = {note(0, 22, 60, f.chord)};
    f.collect(60, false);
    ASSERT_EQ(f.out.size(), 1u);
    EXPECT_EQ(f.out.begin()->durations, (std::vector<DURATION>{-120}));
    EXPECT_EQ(f.out.begin()->rhythmPosition, 1);

    SCOPED_TRACE("a set that does not fit gives the remaining time");
    f.scheme.setRhythmScheme({120, 240}, false, false);
    f.motive.notes = {note(0, 22, 150, f.chord)};
    f.collect(150, false);
    ASSERT_FALSE(f.out.empty());
    for (const TScVariant& v : f.out) {
        EXPECT_EQ(v.durations, (std::vector<DURATION>{90}));
        EXPECT_EQ(v.rhythmPosition, -1);
    }

    SCOPED_TRACE("an empty scheme offers every sixteenth multiple");
    f.scheme.setRhythmScheme({}, false, false);
    f.collect(150, false);
    EXPECT_EQ(f.out.begin()->durations, (std::vector<DURATION>{30, 60, 90}));
    EXPECT_EQ(f.out.begin()->rhythmPosition, -1);

    SCOPED_TRACE("a position past the end of a shorter scheme starts it again");
    f.scheme.setRhythmScheme({60}, true, false);
    f.scheme.setRhythmPosition(4);
    f.collect(150, false);
    EXPECT_EQ(f.out.begin()->durations, (std::vector<DURATION>{60}));
    EXPECT_EQ(f.out.begin()->rhythmPosition, 0);
}

TEST(SchemeTest, NewWayAndAllModes) {
    Fixture f;
    f.scheme.setInsertMode(INSERT_NEW_WAY);
    TChord tonic = arranged("TONIC_THREE_CHORD");
    SCOPED_TRACE("a hanging non-chord tone resolves");
    f.motive.notes = {note(0, 19, 30, tonic), note(30, 14, 30, tonic)};
    f.collect(60, false);
    EXPECT_EQ(pitches(f.out), (std::vector<int32_t>{13, 15}));
    for (const TScVariant& v : f.out) {
        EXPECT_EQ(v.turnPosition, 0);
        EXPECT_TRUE(v.chording);
    }
    SCOPED_TRACE("after a chord tone an octave around it");
    f.motive.notes = {note(0, 17, 30, tonic)};
    f.collect(30, false);
    EXPECT_EQ(pitches(f.out), range(13, 24));
    EXPECT_FALSE(byPitch(f.out).at(14).chording);
    EXPECT_TRUE(byPitch(f.out).at(15).chording);
    SCOPED_TRACE("a non-chord tone approached by step from a chord tone");
    f.motive.notes = {note(0, 13, 30, tonic), note(30, 14, 30, tonic)};
    f.collect(60, false);
    EXPECT_EQ(pitches(f.out), range(13, 21));
    SCOPED_TRACE("at a bar line every position");
    f.collect(0, true);
    EXPECT_EQ(pitches(f.out), range(13, 34));

    f.scheme.setInsertMode(INSERT_ALL);
    f.collect(60, false);
    EXPECT_EQ(pitches(f.out), range(13, 34));
    EXPECT_TRUE(byPitch(f.out).at(13).chording);
    EXPECT_FALSE(byPitch(f.out).at(14).chording);

    SCOPED_TRACE("without a chord every position is a chord tone, whatever the mode");
    for (int32_t mode : {INSERT_CLASSIC, INSERT_NEW_WAY, INSERT_ALL}) {
        f.scheme.setInsertMode(mode);
        f.scheme.collectVariants(f.motive.notes, nullptr, false, false, false, f.out, TWO_FOUR,
                                 f.motive, 60, 240);
        EXPECT_EQ(pitches(f.out), range(13, 34));
        for (const TScVariant& v : f.out) {
            EXPECT_TRUE(v.chording);
        }
    }
    SCOPED_TRACE("an unarranged chord counts as none");
    f.scheme.setInsertMode(INSERT_CLASSIC);
    const TChord bare = chordOfType(TChordType::TONIC_THREE_CHORD);
    f.scheme.collectVariants(f.motive.notes, &bare, false, false, true, f.out, TWO_FOUR, f.motive,
                             0, 240);
    EXPECT_EQ(f.out.size(), 22u);
}

TEST(SchemeTest, RaisedSeventhsAreMarked) {
    TScheme s;
    const TKey aMinor(0, MINOR);
    TMotive m(aMinor, TWO_FOUR);
    TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    dominant.buildArrangements(aMinor, SOPRANO_LOW, SOPRANO_HIGH);
    dominant.chooseArrangement(SOPRANO_TARGET);
    variant_set out;
    s.collectVariants(m.notes, &dominant, false, false, true, out, TWO_FOUR, m, 0, 240);
    for (const TScVariant& v : out) {
        EXPECT_EQ(v.sharp, aMinor.isRaisedSeventh(v.pitch)) << v.pitch;
    }
    EXPECT_TRUE(std::any_of(out.begin(), out.end(), [](const TScVariant& v) { return v.sharp; }));
}

TEST(SchemeTest, ProposalsStayInRangeOverRandomMelodies) {
    unsigned seed = 777;
    auto next = [&seed](int bound) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(bound));
    };
    TScheme s;
    variant_set out;
    for (int round = 0; round < 300; ++round) {
        const TKey key(next(15) - 7, static_cast<uint8_t>(next(2)));
        TMotive m(key, TWO_FOUR);
        TChord chord = chordOfType(HARMONY_SET[static_cast<size_t>(next(21))]);
        chord.buildArrangements(key, SOPRANO_LOW, SOPRANO_HIGH);
        chord.chooseArrangement(SOPRANO_TARGET);
        int32_t t = 0;
        for (int i = 0, n = next(5); i < n; ++i) {
            TNote nt(t, MELODY_LOW + next(22), static_cast<DURATION>(30 * (1 + next(2))));
            nt.chording = chord.isChordTone(nt.pitch, key);
            m.notes.push_back(nt);
            t += nt.duration;
        }
        if (t >= 240) {
            continue;
        }
        s.setInsertMode(next(3));
        s.collectVariants(m.notes, &chord, false, false, t == 0, out, TWO_FOUR, m, t, 240);
        ASSERT_FALSE(out.empty());
        for (const TScVariant& v : out) {
            ASSERT_TRUE(inMelodyRange(v.pitch)) << "round " << round;
            ASSERT_FALSE(v.durations.empty());
        }
    }
}

TEST(SchemeTest, TheFirstProposerOfAPitchKeepsIt) {
    variant_set set;
    TScVariant first;
    first.pitch = 20;
    first.chording = true;
    first.turnPosition = 3;
    TScVariant second = first;
    second.chording = false;
    second.turnPosition = -1;
    EXPECT_TRUE(set.insert(first).second);
    EXPECT_FALSE(set.insert(second).second);
    ASSERT_EQ(set.size(), 1u);
    EXPECT_EQ(set.begin()->turnPosition, 3);

    TCandidateList list;
    EXPECT_TRUE(list.add(20, true, 3));
    EXPECT_FALSE(list.add(20, false, -1));
    ASSERT_EQ(list.items().size(), 1u);
    EXPECT_TRUE(list.items()[0].chording);
}
