#include "generation/m_generator.h"

#include <gtest/gtest.h>

#include "generation/random.h"
#include "generation/turn_analysis.h"

namespace {

const TKey C_MAJOR(0, MAJOR);
const TMeasure TWO_FOUR(2, 120);

TChord chordAtTime(const char* type, int32_t time) {
    TChord c = chordFromTypeName(type);
    c.time = time;
    return c;
}

TTurnRoundWithDir turn(TURN_ROUND kind, bool firstUp, int32_t span = -1) {
    TTurnRoundWithDir t(kind);
    t.firstUp = firstUp;
    if (span >= 0) {
        t.span = span;
    }
    return t;
}

std::vector<int32_t> pitchesOf(const TNoteList& notes) {
    std::vector<int32_t> p;
    for (const TNote& n : notes) {
        p.push_back(n.pitch);
    }
    return p;
}

TNoteList blankNotes(size_t count) {
    TNoteList notes;
    for (size_t i = 0; i < count; ++i) {
        notes.emplace_back(static_cast<int32_t>(i) * 30, 0, 30);
    }
    return notes;
}

class CountingListener : public TMotiveListener {
  public:
    void motiveChanged() override { ++calls; }
    int calls = 0;
};

}  // namespace

TEST(MGeneratorTest, KeepsTheShapeUnderANewChord) {
    // C quarter, E eighth, G eighth over the tonic triad
    TMotive source(C_MAJOR, TWO_FOUR);
    source.chords = {chordAtTime("TONIC_THREE_CHORD", 0)};
    source.notes = {TNote(0, 13, 120), TNote(120, 15, 60), TNote(180, 17, 60)};
    source.updateChording();
    const TRhythm rhythm = source.rhythm();
    const auto scheme = turnSchemeOfMotive(source);
    const auto lights = lightsOfMotive(source);
    ASSERT_EQ(rhythm, (TRhythm{120, 60, 60}));
    ASSERT_EQ(scheme.size(), 1u);
    ASSERT_EQ(scheme[0].size(), 2u);
    EXPECT_EQ(scheme[0][0], turn(TURN_ARPEGGIO, true, 1));
    EXPECT_EQ(scheme[0][1], turn(TURN_ARPEGGIO, true, 1));
    EXPECT_EQ(lights[0].referencePitch, 13);

    TMotive target(C_MAJOR, TWO_FOUR);
    target.chords = {chordAtTime("DOMINANT_THREE_CHORD", 0)};
    CountingListener listener;
    target.setListener(&listener);
    resetMotivicaRandForTesting();
    TMGenerator(C_MAJOR, TWO_FOUR).generate(target, rhythm, scheme, lights);
    ASSERT_EQ(target.notes.size(), 3u);
    EXPECT_EQ(pitchesOf(target.notes), (std::vector<int32_t>{14, 17, 19}));
    EXPECT_EQ(target.notes[1].time, 120);
    EXPECT_EQ(target.notes[2].duration, 60);
    EXPECT_EQ(listener.calls, 1);
    // no leap had to fall back, so nothing was drawn
    EXPECT_EQ(motivicaRandState(), 1u);
}

TEST(MGeneratorTest, CutsARhythmElementAtTheBarLineAndReusesIt) {
    // 2/4 with an eighth of anacrusis: window 180..240, then 240..420
    TMotive m(C_MAJOR, TWO_FOUR, 60);
    m.chords = {chordAtTime("DOMINANT_THREE_CHORD", 0), chordAtTime("TONIC_THREE_CHORD", 240)};
    const std::vector<TTurnWithDirVector> scheme = {{turn(TURN_SINGLE, true)},
                                                    {turn(TURN_SINGLE, true)}};
    TMGenerator(C_MAJOR, TWO_FOUR).generate(m, {90, 30}, scheme, {TLight{20}, TLight{20}});
    ASSERT_EQ(m.notes.size(), 4u);
    EXPECT_EQ(m.notes[0].time, 180);
    EXPECT_EQ(m.notes[0].duration, 60);  // cut at the bar line
    EXPECT_EQ(m.notes[1].time, 240);
    EXPECT_EQ(m.notes[1].duration, 90);  // used whole again
    EXPECT_EQ(m.notes[2].duration, 30);
    EXPECT_EQ(m.notes[3].time, 360);
    EXPECT_EQ(m.notes[3].duration, 60);
    // each measure starts from its own chord near the reference
    EXPECT_EQ(m.notes[0].pitch, 21);
    EXPECT_EQ(m.notes[1].pitch, 20);
}

TEST(MGeneratorTest, RestsMakeNoNotes) {
    TMotive m(C_MAJOR, TWO_FOUR);
    m.chords = {chordAtTime("TONIC_THREE_CHORD", 0)};
    TMGenerator(C_MAJOR, TWO_FOUR)
        .generate(m, {60, -60, 120}, {{turn(TURN_SINGLE, true)}}, {TLight{20}});
    ASSERT_EQ(m.notes.size(), 2u);
    EXPECT_EQ(m.notes[1].time, 120);
}

TEST(MGeneratorTest, MeasuresWithoutChordKeepTheirNotes) {
    TMotive m(C_MAJOR, TWO_FOUR, 60);
    m.notes = {TNote(180, 25, 60), TNote(240, 26, 180)};
    const TNoteList before = m.notes;
    const std::vector<TTurnWithDirVector> scheme = {{}, {turn(TURN_SINGLE, true)}};
    TMGenerator(C_MAJOR, TWO_FOUR).generate(m, {60}, scheme, {TLight{20}, TLight{20}});
    EXPECT_EQ(m.notes, before);

    SCOPED_TRACE("only the measure with a chord is rewritten");
    m.chords = {chordAtTime("TONIC_THREE_CHORD", 240)};
    TMGenerator(C_MAJOR, TWO_FOUR).generate(m, {60}, scheme, {TLight{20}, TLight{20}});
    ASSERT_EQ(m.notes.size(), 4u);
    EXPECT_EQ(m.notes[0], before[0]);
    EXPECT_EQ(m.notes[1].time, 240);
    EXPECT_EQ(m.notes[1].pitch, 20);
}

TEST(MGeneratorTest, AWrongNumberOfTurnListsChangesNothing) {
    TMotive m(C_MAJOR, TWO_FOUR);
    m.chords = {chordAtTime("TONIC_THREE_CHORD", 0)};
    m.notes = {TNote(0, 25, 240)};
    TMGenerator(C_MAJOR, TWO_FOUR).generate(m, {60}, {{}, {}}, {TLight{20}, TLight{20}});
    EXPECT_EQ(m.notes.size(), 1u);
    SCOPED_TRACE("too few references");
    TMGenerator(C_MAJOR, TWO_FOUR).generate(m, {60}, {{}}, {});
    EXPECT_EQ(m.notes.size(), 1u);
    SCOPED_TRACE("a rhythm without length");
    TMGenerator(C_MAJOR, TWO_FOUR).generate(m, {0}, {{}}, {TLight{20}});
    EXPECT_EQ(m.notes.size(), 1u);
}

TEST(MGeneratorTest, NearestChordTone) {
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(TMGenerator::nearestChordTone(tonic, C_MAJOR, 20), 20);
    EXPECT_EQ(TMGenerator::nearestChordTone(tonic, C_MAJOR, 21), 22);
    // above every chord tone: the middle one of the list of eighteen
    EXPECT_EQ(TMGenerator::nearestChordTone(tonic, C_MAJOR, 42), 22);
    // 36 would leave the range: its lower neighbour
    EXPECT_EQ(TMGenerator::nearestChordTone(tonic, C_MAJOR, 35), 34);
    EXPECT_EQ(TMGenerator::nearestChordTone(tonic, C_MAJOR, 36), 34);
    // below the range: the upper neighbour
    EXPECT_EQ(TMGenerator::nearestChordTone(tonic, C_MAJOR, 2), 6);
}

TEST(MGeneratorTest, LineStopsOnTheFirstChordTone) {
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    const TMGenerator gen(C_MAJOR, TWO_FOUR);
    TNoteList notes = blankNotes(6);
    // the line gives D and E only; the single then repeats E before the next line
    gen.pitchMeasure(notes, tonic, {turn(TURN_LINE, true), turn(TURN_SINGLE, true)}, 20);
    EXPECT_EQ(pitchesOf(notes), (std::vector<int32_t>{20, 21, 22, 22, 23, 24}));
    EXPECT_FALSE(notes[1].chording);
    EXPECT_TRUE(notes[2].chording);
    EXPECT_FALSE(notes[4].chording);

    SCOPED_TRACE("at the top of the range the line turns round");
    const TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    TNoteList top = blankNotes(3);
    gen.pitchMeasure(top, dominant, {turn(TURN_LINE, true)}, 33);
    EXPECT_EQ(pitchesOf(top), (std::vector<int32_t>{33, 34, 33}));

    SCOPED_TRACE("turning round onto a chord tone places nothing: the pitch repeats");
    TNoteList stuck = blankNotes(3);
    gen.pitchMeasure(stuck, tonic, {turn(TURN_LINE, true)}, 34);
    EXPECT_EQ(pitchesOf(stuck), (std::vector<int32_t>{34, 34, 34}));
}

TEST(MGeneratorTest, LeapFallsBackNearerThenDownward) {
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    const TMGenerator gen(C_MAJOR, TWO_FOUR);
    TNoteList notes = blankNotes(2);
    resetMotivicaRandForTesting();
    // from C6 (34) two chord tones up is out of range, and so are one and three: down to 29
    gen.pitchMeasure(notes, tonic, {turn(TURN_ARPEGGIO, true, 2)}, 34);
    EXPECT_EQ(pitchesOf(notes), (std::vector<int32_t>{34, 29}));
    EXPECT_TRUE(notes[1].chording);
    // exactly one draw was made
    EXPECT_EQ(motivicaRand(), 130);

    SCOPED_TRACE("the nearer tone when the farther one does not fit");
    TNoteList near = blankNotes(2);
    resetMotivicaRandForTesting();
    gen.pitchMeasure(near, tonic, {turn(TURN_ARPEGGIO, true, 2)}, 31);
    // 31 up two is 36; 346 is even, so three (38) is tried first, then one (34)
    EXPECT_EQ(pitchesOf(near), (std::vector<int32_t>{31, 34}));
    EXPECT_EQ(motivicaRand(), 130);

    SCOPED_TRACE("a leap that fits nowhere draws in both directions, then repeats");
    TNoteList nowhere = blankNotes(2);
    resetMotivicaRandForTesting();
    gen.pitchMeasure(nowhere, tonic, {turn(TURN_ARPEGGIO, true, 9)}, 20);
    EXPECT_EQ(pitchesOf(nowhere), (std::vector<int32_t>{20, 20}));
    EXPECT_EQ(motivicaRand(), 10982);
}

TEST(MGeneratorTest, RetentionExchangesWithThePreviousNote) {
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    const TMGenerator gen(C_MAJOR, TWO_FOUR);
    TNoteList notes = blankNotes(2);
    gen.pitchMeasure(notes, tonic, {turn(TURN_RETENTION, true)}, 20);
    EXPECT_EQ(pitchesOf(notes), (std::vector<int32_t>{19, 20}));
    EXPECT_FALSE(notes[0].chording);
    EXPECT_TRUE(notes[1].chording);

    SCOPED_TRACE("from above");
    TNoteList above = blankNotes(2);
    gen.pitchMeasure(above, tonic, {turn(TURN_RETENTION, false)}, 20);
    EXPECT_EQ(pitchesOf(above), (std::vector<int32_t>{21, 20}));
}

TEST(MGeneratorTest, NeighbourAndFigures) {
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    const TMGenerator gen(C_MAJOR, TWO_FOUR);
    struct Case {
        const char* name;
        TTurnRoundWithDir turn;
        size_t notes;
        std::vector<int32_t> expected;
    };
    TTurnRoundWithDir encircle(TURN_ENCIRCLING);
    encircle.firstUp = true;
    encircle.secondUp = false;
    encircle.thirdUp = true;
    TTurnRoundWithDir leapIn(TURN_LEAP_IN);  // span 2 up, then a step down
    leapIn.secondUp = false;
    TTurnRoundWithDir leapOut(TURN_LEAP_OUT);  // a step down, then two chord tones up
    leapOut.firstUp = false;
    const std::vector<Case> cases = {
        {"auxiliary up", turn(TURN_AUXILIARY, true), 3, {20, 21, 20}},
        {"auxiliary down", turn(TURN_AUXILIARY, false), 3, {20, 19, 20}},
        {"auxiliary cut short", turn(TURN_AUXILIARY, true), 2, {20, 21}},
        {"encircling", encircle, 4, {20, 21, 19, 20}},
        {"leap in", leapIn, 3, {20, 23, 22}},
        {"leap out", leapOut, 3, {20, 19, 22}},
        {"single", turn(TURN_SINGLE, true), 2, {20, 20}},
        {"arpeggio of span 0", turn(TURN_ARPEGGIO, true, 0), 2, {20, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TNoteList notes = blankNotes(c.notes);
        gen.pitchMeasure(notes, tonic, {c.turn}, 20);
        EXPECT_EQ(pitchesOf(notes), c.expected);
    }
}

TEST(MGeneratorTest, StaysInRangeAndTerminatesOverRandomSchemes) {
    // a private sequence for the property, so the shared generator's order is not disturbed
    unsigned seed = 12345;
    auto next = [&seed](int bound) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(bound));
    };
    const std::vector<TURN_ROUND> kinds = {TURN_SINGLE,   TURN_ARPEGGIO,   TURN_AUXILIARY,
                                           TURN_LINE,     TURN_ENCIRCLING, TURN_LEAP_IN,
                                           TURN_LEAP_OUT, TURN_RETENTION};
    for (int round = 0; round < 400; ++round) {
        const TKey key(next(15) - 7, static_cast<uint8_t>(next(2)));
        const TMeasure meter(2 + next(2), next(2) ? 120 : 60);
        const DURATION anacrusis = next(2) ? static_cast<DURATION>(30 * (1 + next(2))) : 0;
        TMotive m(key, meter, anacrusis);
        for (int k = 0; k < m.measureCount(); ++k) {
            TChord c = chordOfType(HARMONY_SET[static_cast<size_t>(next(21))]);
            c.time = k * meter.measureLength();
            m.chords.push_back(c);
        }
        TRhythm rhythm;
        for (int i = 0, n = 1 + next(6); i < n; ++i) {
            rhythm.push_back(static_cast<DURATION>((next(5) == 0 ? -30 : 30) * (1 + next(4))));
        }
        if (rhythm[0] < 0) {
            rhythm[0] = static_cast<DURATION>(-rhythm[0]);
        }
        std::vector<TTurnWithDirVector> scheme(static_cast<size_t>(m.measureCount()));
        std::vector<TLight> lights;
        for (auto& list : scheme) {
            for (int i = 0, n = 1 + next(4); i < n; ++i) {
                TTurnRoundWithDir t(kinds[static_cast<size_t>(next(8))]);
                t.firstUp = next(2);
                t.secondUp = next(2);
                t.thirdUp = next(2);
                t.span = next(5);
                list.push_back(t);
            }
            lights.push_back(TLight{MELODY_LOW + next(22)});
        }
        TMGenerator(key, meter).generate(m, rhythm, scheme, lights);
        for (const TNote& n : m.notes) {
            ASSERT_TRUE(inMelodyRange(n.pitch)) << "round " << round << " pitch " << n.pitch;
            ASSERT_GE(n.time, m.startTime());
            ASSERT_LE(n.endTime(), m.endTime());
        }
    }
}
