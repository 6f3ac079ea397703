#include "generation/turn_analysis.h"

#include <gtest/gtest.h>

namespace {

const TKey C_MAJOR(0, MAJOR);

TChord tonicTriad() {
    return chordOfType(TChordType::TONIC_THREE_CHORD);
}

// Notes a sixteenth apart with chord-tone flags from the chord.
std::vector<TNote> notesOver(const std::vector<int32_t>& pitches, const TChord& chord,
                             int32_t start = 0, DURATION length = 30) {
    std::vector<TNote> notes;
    int32_t t = start;
    for (int32_t p : pitches) {
        TNote n(t, p, length);
        n.chording = chord.isChordTone(p, C_MAJOR);
        notes.push_back(n);
        t += length;
    }
    return notes;
}

TTurnRoundWithDir turn(TURN_ROUND kind, bool first, bool second, bool third, int32_t span) {
    TTurnRoundWithDir t(kind);
    t.firstUp = first;
    t.secondUp = second;
    t.thirdUp = third;
    t.span = span;
    return t;
}

}  // namespace

TEST(TurnTest, DefaultsAndInversion) {
    EXPECT_EQ(TTurnRoundWithDir(TURN_ENCIRCLING).span, 1);
    EXPECT_EQ(TTurnRoundWithDir(TURN_LEAP_IN).span, 2);
    EXPECT_EQ(TTurnRoundWithDir(TURN_LEAP_OUT).span, 2);
    EXPECT_EQ(TTurnRoundWithDir(TURN_LINE).span, 0);
    const TTurnRoundWithDir t = turn(TURN_ENCIRCLING, true, false, true, 2);
    EXPECT_EQ(invertTurn(t), turn(TURN_ENCIRCLING, false, true, false, 2));
}

TEST(TurnAnalysisTest, FiguresOfGroupsOverTheTonicTriad) {
    const TChord chord = tonicTriad();
    struct Case {
        const char* name;
        std::vector<int32_t> pitches;
        TTurnRoundWithDir expected;
    };
    const std::vector<Case> cases = {
        {"C4 E4", {20, 22}, turn(TURN_ARPEGGIO, true, true, true, 1)},
        {"E4 C4", {22, 20}, turn(TURN_ARPEGGIO, false, true, true, 1)},
        {"C4 C4", {20, 20}, turn(TURN_ARPEGGIO, true, true, true, 0)},
        {"C4 G4", {20, 24}, turn(TURN_ARPEGGIO, true, true, true, 2)},
        {"C D E", {20, 21, 22}, turn(TURN_LINE, true, true, true, 0)},
        {"E D C", {22, 21, 20}, turn(TURN_LINE, false, true, true, 0)},
        {"C D", {20, 21}, turn(TURN_LINE, true, true, true, 0)},
        {"C D C", {20, 21, 20}, turn(TURN_AUXILIARY, true, true, true, 0)},
        {"C B C", {20, 19, 20}, turn(TURN_AUXILIARY, false, true, true, 0)},
        {"D C", {21, 20}, turn(TURN_RETENTION, false, true, true, 0)},
        {"B C", {19, 20}, turn(TURN_RETENTION, true, true, true, 0)},
        {"C D B C", {20, 21, 19, 20}, turn(TURN_ENCIRCLING, true, false, true, 1)},
        {"C D B", {20, 21, 19}, turn(TURN_ENCIRCLING, true, false, true, 1)},
        {"C A G", {20, 25, 24}, turn(TURN_LEAP_IN, true, false, true, 3)},
        {"C A", {20, 25}, turn(TURN_LEAP_IN, true, false, true, 3)},
        {"E D G", {22, 21, 24}, turn(TURN_LEAP_OUT, false, true, true, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = turnOfGroup(notesOver(c.pitches, chord), &chord, C_MAJOR);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(*found, c.expected);
    }
    SCOPED_TRACE("one note is a single");
    EXPECT_EQ(turnOfGroup(notesOver({20}, chord), &chord, C_MAJOR)->turn, TURN_SINGLE);
}

TEST(TurnAnalysisTest, SpansWithoutAChordComeFromTheInterval) {
    const TChord chord = tonicTriad();
    // C4 to C5 is seven steps: three chord tones with the chord, class 3 without
    const auto withChord = turnOfGroup(notesOver({20, 27}, chord), &chord, C_MAJOR);
    const auto without = turnOfGroup(notesOver({20, 27}, chord), nullptr, C_MAJOR);
    EXPECT_EQ(withChord->span, 3);
    EXPECT_EQ(without->span, 3);
    const auto fifth = turnOfGroup(notesOver({20, 24}, chord), nullptr, C_MAJOR);
    EXPECT_EQ(fifth->span, 2);
    // C up to A passes three non-chord tones, but five steps are leap class 2
    const auto leapWith = turnOfGroup(notesOver({20, 25}, chord), &chord, C_MAJOR);
    const auto leapWithout = turnOfGroup(notesOver({20, 25}, chord), nullptr, C_MAJOR);
    EXPECT_EQ(leapWith->span, 3);
    EXPECT_EQ(leapWithout->span, 2);
}

TEST(TurnAnalysisTest, UnmatchedGroupsBecomeOneArpeggioPerPair) {
    const TChord chord = tonicTriad();
    // C, D, F, A: a chord tone followed by non-chord tones that neither step nor leap simply
    std::vector<TNote> notes = notesOver({20, 21, 23, 26, 27}, chord);
    EXPECT_FALSE(turnOfGroup(notes, &chord, C_MAJOR).has_value());
    const TTurnScheme scheme = turnSchemeOfNotes(notes, &chord, C_MAJOR);
    ASSERT_EQ(scheme.groups.size(), 1u);
    ASSERT_EQ(scheme.turns.size(), 4u);
    EXPECT_EQ(scheme.turns[0], turn(TURN_ARPEGGIO, true, true, true, 1));
    EXPECT_EQ(scheme.turns[1], turn(TURN_ARPEGGIO, true, true, true, 1));
    EXPECT_EQ(scheme.turns[2], turn(TURN_ARPEGGIO, true, true, true, 2));
    EXPECT_EQ(scheme.turns[3], turn(TURN_ARPEGGIO, true, true, true, 1));
}

TEST(TurnAnalysisTest, GroupsShareTheirBoundaryChordTones) {
    const TChord chord = tonicTriad();
    std::vector<TNote> notes = notesOver({20, 22, 24}, chord);
    for (TNote& n : notes) {
        n.chording = false;  // turnSchemeOfNotes recomputes the flags
    }
    const TTurnScheme scheme = turnSchemeOfNotes(notes, &chord, C_MAJOR);
    EXPECT_TRUE(notes[0].chording && notes[1].chording && notes[2].chording);
    ASSERT_EQ(scheme.groups.size(), 2u);
    EXPECT_EQ(scheme.groups[0][0].pitch, 20);
    EXPECT_EQ(scheme.groups[0][1].pitch, 22);
    EXPECT_EQ(scheme.groups[1][0].pitch, 22);
    EXPECT_EQ(scheme.groups[1][1].pitch, 24);
    ASSERT_EQ(scheme.turns.size(), 2u);
    EXPECT_EQ(scheme.turns[0], turn(TURN_ARPEGGIO, true, true, true, 1));
    EXPECT_EQ(scheme.turns[1], turn(TURN_ARPEGGIO, true, true, true, 1));

    SCOPED_TRACE("a lone note is a group only when it is the only one");
    std::vector<TNote> lone = notesOver({20}, chord);
    const TTurnScheme single = turnSchemeOfNotes(lone, &chord, C_MAJOR);
    ASSERT_EQ(single.turns.size(), 1u);
    EXPECT_EQ(single.turns[0].turn, TURN_SINGLE);
}

TEST(TurnAnalysisTest, MotiveSchemeClosesGroupsAtTheBarLine) {
    // 2/4 with an eighth of anacrusis: measure 0 holds G (one note), measure 1 C E D C
    TMotive m(C_MAJOR, TMeasure(2, 120), 60);
    m.chords = {chordOfType(TChordType::DOMINANT_THREE_CHORD), tonicTriad()};
    m.chords[1].time = 240;
    const TChord tonic = tonicTriad();
    m.notes = notesOver({24}, m.chords[0], 180, 60);
    for (const TNote& n : notesOver({20, 22, 21, 20}, tonic, 240, 30)) {
        m.notes.push_back(n);
    }
    const auto scheme = turnSchemeOfMotive(m);
    ASSERT_EQ(scheme.size(), 2u);
    ASSERT_EQ(scheme[0].size(), 1u);
    EXPECT_EQ(scheme[0][0].turn, TURN_SINGLE);
    ASSERT_EQ(scheme[1].size(), 2u);
    EXPECT_EQ(scheme[1][0], turn(TURN_ARPEGGIO, true, true, true, 1));
    EXPECT_EQ(scheme[1][1], turn(TURN_LINE, false, true, true, 0));

    const auto lights = lightsOfMotive(m);
    ASSERT_EQ(lights.size(), 2u);
    EXPECT_EQ(lights[0].referencePitch, 24);
    EXPECT_EQ(lights[1].referencePitch, 20);
}

TEST(TurnAnalysisTest, ReferencePitches) {
    const TChord chord = tonicTriad();
    TMotive m(C_MAJOR, TMeasure(2, 120));
    m.chords = {chord};
    SCOPED_TRACE("no notes");
    EXPECT_EQ(lightsOfMotive(m)[0].referencePitch, 20);
    SCOPED_TRACE("a leading non-chord tone resolving by step");
    m.notes = notesOver({21, 22, 24}, chord);
    EXPECT_EQ(lightsOfMotive(m)[0].referencePitch, 22);
    SCOPED_TRACE("a non-chord tone that leaps away keeps its own pitch");
    m.notes = notesOver({21, 24}, chord);
    EXPECT_EQ(lightsOfMotive(m)[0].referencePitch, 21);
    SCOPED_TRACE("a single non-chord tone");
    m.notes = notesOver({21}, chord);
    EXPECT_EQ(lightsOfMotive(m)[0].referencePitch, 21);
    SCOPED_TRACE("rests do not count");
    m.notes = notesOver({22}, chord, 60);
    m.notes.insert(m.notes.begin(), TNote(0, NO_PITCH, -60));
    EXPECT_EQ(lightsOfMotive(m)[0].referencePitch, 22);
}
