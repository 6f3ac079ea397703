#include "generation/chord_selection.h"

#include <gtest/gtest.h>

#include "generation/previous_motive.h"
#include "generation/random.h"
#include "harmony/chord_connection.h"

namespace {

const TKey C_MAJOR(0, MAJOR);
const TMeasure TWO_FOUR(2, 120);

TChord voiced(const char* type, const TVoicing& v, int32_t time = 0) {
    TChord c = chordFromTypeName(type);
    c.setVoicing(v);
    c.time = time;
    return c;
}

// Every voicing passes the six rules against its predecessor when checked again on its own.
bool connects(const TChord& previous, const TChord& next, const TKey& key) {
    TChord probe = chordOfType(next.type);
    const TChordConnection connection(&previous, nullptr);
    probe.buildArrangements(key, connection.low(), connection.high());
    probe.checkConnection(previous.voicing(), key, connection.low(), connection.high());
    for (const TChordArrangementMap& map : probe.arrangementMaps) {
        for (const auto& [soprano, a] : map) {
            for (int32_t j = 0; j < a.bassOptionCount; ++j) {
                if (a.bassOptionValid[static_cast<size_t>(j)] && a.upper[0] == next.soprano &&
                    a.upper[1] == next.alt && a.upper[2] == next.tenor &&
                    a.bassOptions[static_cast<size_t>(j)] == next.bass) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace

TEST(ChordSelectionTest, TheFirstMotiveGetsTheTonicTriadWithoutDrawing) {
    const TScheme scheme;
    TMotive m(C_MAJOR, TWO_FOUR);
    m.notes = {TNote(0, 21, 240)};
    m.notes[0].chording = true;
    m.chords = {chordOfType(TChordType::DOMINANT_THREE_CHORD)};
    resetMotivicaRandForTesting();
    selectChords(m, nullptr, PREVIOUS_FIRST_WITHOUT_ANACRUSIS, scheme);
    ASSERT_EQ(m.chords.size(), 1u);
    EXPECT_EQ(m.chords[0].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_TRUE(m.chords[0].sameVoicing(24, 22, 20, 6));
    EXPECT_EQ(m.chords[0].time, 0);
    EXPECT_EQ(motivicaRandState(), 1u);
    // the notes' flags are the caller's to recompute
    EXPECT_TRUE(m.notes[0].chording);
}

TEST(ChordSelectionTest, AnAnacrusisStartsOnTheDominant) {
    const TScheme scheme;
    TMotive m(C_MAJOR, TWO_FOUR, 60);
    resetMotivicaRandForTesting();
    selectChords(m, nullptr, PREVIOUS_FIRST_WITH_ANACRUSIS, scheme);
    ASSERT_EQ(m.chords.size(), 2u);
    EXPECT_EQ(m.chords[0].type, TChordType::DOMINANT_THREE_CHORD);
    EXPECT_EQ(m.chords[0].time, 0);
    EXPECT_EQ(m.chords[1].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(m.chords[1].time, 240);
    EXPECT_TRUE(connects(m.chords[0], m.chords[1], C_MAJOR));
    EXPECT_EQ(motivicaRandState(), 1u);
}

TEST(ChordSelectionTest, TheNextMotiveConnectsToThePreviousChord) {
    const TScheme scheme;
    TMotive previous(C_MAJOR, TWO_FOUR);
    previous.chords = {voiced("DOMINANT_THREE_CHORD", {24, 21, 19, 10})};
    TMotive m(C_MAJOR, TWO_FOUR);
    selectChords(m, &previous, PREVIOUS_SAME_SENTENCE, scheme);
    ASSERT_EQ(m.chords.size(), 1u);
    EXPECT_EQ(m.chords[0].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_TRUE(connects(previous.chords[0], m.chords[0], C_MAJOR));
    EXPECT_GE(m.chords[0].soprano, 17);
    EXPECT_LE(m.chords[0].soprano, 31);
}

TEST(ChordSelectionTest, TheLastChordIsCarriedOverTheBarLine) {
    const TScheme scheme;
    TMotive previous(C_MAJOR, TWO_FOUR, 60);
    previous.chords = {voiced("TONIC_THREE_CHORD", {24, 22, 20, 6}),
                       voiced("DOMINANT_THREE_CHORD", {24, 21, 19, 10}, 240)};
    TMotive m(C_MAJOR, TWO_FOUR, 60);
    resetMotivicaRandForTesting();
    selectChords(m, &previous, PREVIOUS_SAME_SENTENCE, scheme);
    ASSERT_EQ(m.chords.size(), 2u);
    EXPECT_EQ(m.chords[0].type, TChordType::DOMINANT_THREE_CHORD);
    EXPECT_EQ(m.chords[0].time, 0);
    EXPECT_TRUE(m.chords[0].sameVoicing(24, 21, 19, 10));
    EXPECT_EQ(m.chords[1].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(m.chords[1].time, 240);
    EXPECT_TRUE(connects(m.chords[0], m.chords[1], C_MAJOR));
    // the previous chord's bass rose (6 to 10), so the new bass moves down from 10 if it can
    TChord expected = chordOfType(TChordType::TONIC_THREE_CHORD);
    const TChordConnection connection(&previous.chords[1], &previous.chords[0]);
    ASSERT_TRUE(connection.previousBassRose());
    connection.arrangeCandidate(expected, C_MAJOR);
    connection.voice(expected);
    EXPECT_TRUE(m.chords[1].sameVoicing(expected));
    EXPECT_EQ(motivicaRandState(), 1u);

    SCOPED_TRACE("a motive without anacrusis never receives the previous chord");
    TMotive plain(C_MAJOR, TWO_FOUR);
    selectChords(plain, &previous, PREVIOUS_SAME_SENTENCE, scheme);
    ASSERT_EQ(plain.chords.size(), 1u);
    EXPECT_EQ(plain.chords[0].time, 0);
    EXPECT_EQ(plain.chords[0].type, TChordType::TONIC_THREE_CHORD);
}

TEST(ChordSelectionTest, ANewSentenceDrawsItsChordFreely) {
    const TScheme scheme;
    TMotive previous(C_MAJOR, TWO_FOUR, 60);
    previous.chords = {voiced("DOMINANT_THREE_CHORD", {24, 21, 19, 10}),
                       voiced("TONIC_THREE_CHORD", {27, 24, 20, 13}, 240)};
    TMotive m(C_MAJOR, TWO_FOUR, 60);
    resetMotivicaRandForTesting();
    selectChords(m, &previous, PREVIOUS_OTHER_SENTENCE, scheme);
    ASSERT_EQ(m.chords.size(), 2u);
    EXPECT_TRUE(m.chords[0].sameVoicing(27, 24, 20, 13));
    // the rank still comes from the tonic triad (order 1): twenty candidates, the first draw
    const std::vector<TChord> candidates = scheme.chordCandidates(C_MAJOR, 1);
    ASSERT_EQ(candidates.size(), 21u);
    TChord expected = candidates[346 % candidates.size()];
    const TChordConnection none;
    none.arrangeCandidate(expected, C_MAJOR);
    none.voice(expected);
    EXPECT_EQ(m.chords[1].type, expected.type);
    EXPECT_TRUE(m.chords[1].sameVoicing(expected));
    EXPECT_EQ(motivicaRand(), 130);  // exactly one draw
}

TEST(ChordSelectionTest, AnIncompleteRememberedChordStillRanks) {
    const TScheme scheme;
    TMotive previous(C_MAJOR, TWO_FOUR);
    previous.chords = {chordOfType(TChordType::DOMINANT_SIXTH_CHORD)};  // order 16, no voices
    TMotive m(C_MAJOR, TWO_FOUR);
    resetMotivicaRandForTesting();
    selectChords(m, &previous, PREVIOUS_SAME_SENTENCE, scheme);
    ASSERT_EQ(m.chords.size(), 1u);
    // the tonic triad is still offered (tonic group) and is preferred; voiced as without a chord
    EXPECT_EQ(m.chords[0].type, TChordType::TONIC_THREE_CHORD);
    EXPECT_TRUE(m.chords[0].sameVoicing(24, 22, 20, 6));
    EXPECT_EQ(motivicaRandState(), 1u);
}

TEST(ChordSelectionTest, AMeasureWithoutCandidatesStaysEmptyWithoutDrawing) {
    const TScheme scheme;
    TMotive previous(C_MAJOR, TWO_FOUR);
    // crowded into the top of the range: nothing can move on from here
    previous.chords = {voiced("TONIC_THREE_CHORD", {34, 34, 34, 33})};
    TMotive m(C_MAJOR, TWO_FOUR);
    resetMotivicaRandForTesting();
    selectChords(m, &previous, PREVIOUS_SAME_SENTENCE, scheme);
    EXPECT_TRUE(m.chords.empty());
    EXPECT_EQ(motivicaRandState(), 1u);
}

TEST(ChordSelectionTest, EveryChosenVoicingConnectsOverRandomPeriods) {
    const TScheme scheme;
    resetMotivicaRandForTesting();
    for (int signs = -7; signs <= 7; signs += 3) {
        for (uint8_t mode : {MAJOR, MINOR}) {
            for (DURATION anacrusis : {DURATION(0), DURATION(60), DURATION(120)}) {
                const TKey key(signs, mode);
                TMotive previous(key, TMeasure(3, 120), anacrusis);
                selectChords(previous, nullptr, anacrusis ? 0 : 1, scheme);
                for (int step = 0; step < 12; ++step) {
                    TMotive m(key, TMeasure(3, 120), anacrusis);
                    const int kind = step % 5 == 4 && anacrusis ? PREVIOUS_OTHER_SENTENCE
                                                                : PREVIOUS_SAME_SENTENCE;
                    selectChords(m, &previous, kind, scheme);
                    ASSERT_EQ(m.chords.size(), static_cast<size_t>(m.measureCount()));
                    for (size_t k = 0; k < m.chords.size(); ++k) {
                        const TChord& c = m.chords[k];
                        EXPECT_TRUE(c.isAvailableIn(key));
                        EXPECT_TRUE(c.hasCompleteVoicing());
                        EXPECT_EQ(c.time, static_cast<int32_t>(k) * 360);
                    }
                    const TChord& before = anacrusis ? m.chords[0] : previous.chords.back();
                    if (kind == PREVIOUS_SAME_SENTENCE) {
                        EXPECT_TRUE(connects(before, m.chords.back(), key))
                            << signs << " " << int(mode) << " " << anacrusis << " " << step;
                    }
                    previous = m;
                }
            }
        }
    }
}

TEST(ChordSelectionTest, EveryMotiveIsHarmonisedTheSameWhateverWasDrawnBefore) {
    TPeriodData period;
    period.buildFromLayout({1}, {3}, {COLORED_BOX_SUFFIX(5)}, C_MAJOR, TWO_FOUR, 0, 100);
    const std::vector<TMotiveAddress> addresses = period.motiveAddresses();
    // a motive with a melody, one with a rest only, one with a melody again
    period.motiveAt(addresses[0]).notes = {TNote(0, 21, 120), TNote(120, 23, 120)};
    period.motiveAt(addresses[1]).notes = {TNote(0, NO_PITCH, DURATION(-240))};
    period.motiveAt(addresses[2]).notes = {TNote(0, 22, 240)};

    TPeriodData first = period;
    harmonizeEveryMotive(first);
    for (const TMotiveAddress& a : addresses)
        EXPECT_TRUE(first.motiveAt(a).hasAllChords());
    // the first motive opens on the tonic; the notes' flags follow the new chords
    EXPECT_EQ(first.motiveAt(addresses[0]).chords[0].type, TChordType::TONIC_THREE_CHORD);
    for (const TNote& n : first.motiveAt(addresses[0]).notes)
        EXPECT_EQ(n.chording, first.motiveAt(addresses[0]).chords[0].isChordTone(n.pitch, C_MAJOR));

    for (int i = 0; i < 17; ++i)
        motivicaRand();
    TPeriodData again = period;
    harmonizeEveryMotive(again);
    for (const TMotiveAddress& a : addresses) {
        const std::vector<TChord>& chords = again.motiveAt(a).chords;
        ASSERT_EQ(chords.size(), first.motiveAt(a).chords.size());
        for (size_t k = 0; k < chords.size(); ++k) {
            EXPECT_EQ(chords[k].type, first.motiveAt(a).chords[k].type);
            EXPECT_TRUE(chords[k].sameVoicing(first.motiveAt(a).chords[k]));
        }
    }
}
