#include "harmony/chord_connection.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "harmony/voice_leading.h"

static const TKey C_MAJOR(0, MAJOR);

static TChord voiced(const char* name, TVoicing voicing) {
    TChord chord = chordFromTypeName(name);
    chord.setVoicing(voicing);
    return chord;
}

TEST(ChordConnection, RangeTargetAndContext) {
    {
        SCOPED_TRACE("no preceding chord");
        const TChordConnection none;
        EXPECT_FALSE(none.hasPrevious());
        EXPECT_EQ(none.low(), 13);
        EXPECT_EQ(none.high(), 34);
        EXPECT_EQ(none.targetSoprano(), 25);
        EXPECT_EQ(none.previousBass(), -1);
        EXPECT_FALSE(none.previousBassRose());
        EXPECT_FALSE(TChordConnection(nullptr, nullptr).hasPrevious());
    }
    const TChord tonic = voiced("TONIC_THREE_CHORD", {24, 22, 20, 6});
    const TChord dominant = voiced("DOMINANT_THREE_CHORD", {24, 21, 19, 10});
    {
        SCOPED_TRACE("seven steps around the preceding soprano");
        const TChordConnection after(&tonic, nullptr);
        EXPECT_TRUE(after.hasPrevious());
        EXPECT_EQ(after.previousVoicing(), tonic.voicing());
        EXPECT_EQ(after.low(), 17);
        EXPECT_EQ(after.high(), 31);
        EXPECT_EQ(after.targetSoprano(), 24);
        EXPECT_EQ(after.previousBass(), 6);
        EXPECT_FALSE(after.previousBassRose());
    }
    {
        SCOPED_TRACE("the bass rose from the chord before");
        const TChordConnection rose(&dominant, &tonic);
        EXPECT_EQ(rose.previousBass(), 10);
        EXPECT_TRUE(rose.previousBassRose());
        EXPECT_FALSE(TChordConnection(&tonic, &dominant).previousBassRose());
        EXPECT_FALSE(TChordConnection(&tonic, &tonic).previousBassRose());
        // an unarranged chord before P tells nothing about the bass
        const TChord unarranged = chordOfType(TChordType::TONIC_THREE_CHORD);
        EXPECT_FALSE(TChordConnection(&dominant, &unarranged).previousBassRose());
    }
    {
        SCOPED_TRACE("clamped to 13..34");
        const TChord low = voiced("TONIC_THREE_CHORD", {15, 13, 10, 6});
        const TChord high = voiced("TONIC_THREE_CHORD", {34, 29, 27, 20});
        EXPECT_EQ(TChordConnection(&low, nullptr).low(), 13);
        EXPECT_EQ(TChordConnection(&low, nullptr).high(), 22);
        EXPECT_EQ(TChordConnection(&high, nullptr).low(), 27);
        EXPECT_EQ(TChordConnection(&high, nullptr).high(), 34);
    }
    {
        SCOPED_TRACE("an incomplete voicing hands on nothing");
        const TChord unarranged = chordOfType(TChordType::TONIC_THREE_CHORD);
        const TChord broken = voiced("TONIC_THREE_CHORD", {24, 22, 20, 44});
        EXPECT_FALSE(TChordConnection(&unarranged, nullptr).hasPrevious());
        EXPECT_FALSE(TChordConnection(&broken, &tonic).hasPrevious());
        EXPECT_FALSE(TChordConnection(&broken, &tonic).previousBassRose());
        EXPECT_EQ(TChordConnection(&broken, nullptr).targetSoprano(), 25);
    }
}

TEST(ChordConnection, HarmonisesTonicThenDominant) {
    const TChordConnection first;
    std::vector<TChord> candidates = {chordOfType(TChordType::TONIC_THREE_CHORD)};
    first.arrangeCandidates(candidates, C_MAJOR);
    ASSERT_EQ(candidates.size(), 1u);
    ASSERT_TRUE(first.voice(candidates[0]));
    const TChord tonic = candidates[0];
    EXPECT_EQ(tonic.voicing(), (TVoicing{24, 22, 20, 6}));

    const TChordConnection second(&tonic, nullptr);
    TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    ASSERT_TRUE(hasSopranoMove(second.arrangeCandidate(dominant, C_MAJOR)));
    EXPECT_EQ(second.bassContext().previousBass, 6);
    EXPECT_FALSE(second.bassContext().previousBassRose);
    ASSERT_TRUE(second.voice(dominant));
    EXPECT_EQ(dominant.voicing(), (TVoicing{24, 21, 19, 10}));
}

TEST(ChordConnection, DropsCandidatesWithoutAnyMove) {
    // At the bottom of the soprano range several chords find no connecting voicing: those are
    // removed and the rest keep their order.
    const TChord previous = voiced("TONIC_THREE_CHORD", {13, 10, 8, 6});
    const TChordConnection after(&previous, nullptr);
    std::vector<TChord> candidates = successionCandidates(C_MAJOR, 0);
    std::vector<std::string> kept;
    for (TChord chord : candidates) {
        if (hasSopranoMove(after.arrangeCandidate(chord, C_MAJOR))) {
            kept.push_back(std::string(chordTypeName(chord.type)));
        }
    }
    const std::vector<TMotionFlags> motions = after.arrangeCandidates(candidates, C_MAJOR);
    ASSERT_EQ(motions.size(), candidates.size());
    std::vector<std::string> names;
    for (size_t i = 0; i < candidates.size(); ++i) {
        names.push_back(std::string(chordTypeName(candidates[i].type)));
        EXPECT_TRUE(hasSopranoMove(motions[i]));
        // the flags are those of the candidate's own check
        TChord again = chordOfType(candidates[i].type);
        EXPECT_EQ(after.arrangeCandidate(again, C_MAJOR), motions[i]);
    }
    EXPECT_EQ(names, kept);
    EXPECT_EQ(names.size(), 17u);
    // a chord of no type has nothing to arrange and is always dropped
    std::vector<TChord> nothing = {TChord()};
    after.arrangeCandidates(nothing, C_MAJOR);
    EXPECT_TRUE(nothing.empty());
    // without a preceding chord nothing that can be arranged is dropped
    std::vector<TChord> all = successionCandidates(C_MAJOR, 0);
    const std::vector<TMotionFlags> open = TChordConnection().arrangeCandidates(all, C_MAJOR);
    EXPECT_EQ(all.size(), static_cast<size_t>(HARMONY_SET_SIZE));
    ASSERT_EQ(open.size(), all.size());
    for (const TMotionFlags& flags : open) {
        EXPECT_EQ(flags, (TMotionFlags{true, true, true, true, true, true}));
    }
}

// Walks long random progressions in random keys the way the harmonisers do and checks that every
// voicing chosen connects to its predecessor by all six rules and stays in its soprano range.
TEST(ChordConnection, EveryChosenVoicingConnects) {
    std::mt19937 random(20261209);
    int connections = 0;
    int dropped = 0;
    for (int run = 0; run < 60; ++run) {
        const TKey key(static_cast<int32_t>(random() % 15) - 7, static_cast<uint8_t>(random() % 2));
        std::vector<TChord> progression;
        for (int step = 0; step < 40; ++step) {
            const TChord* previous = progression.empty() ? nullptr : &progression.back();
            const TChord* beforePrevious =
                progression.size() < 2 ? nullptr : &progression[progression.size() - 2];
            const TChordConnection connection(previous, beforePrevious);
            TChord candidate = chordFromTypeName(CHORD_TYPE_NAMES[random() % CHORD_TYPE_COUNT]);
            if (!candidate.isAvailableIn(key)) {
                continue;
            }
            const bool kept = hasSopranoMove(connection.arrangeCandidate(candidate, key));
            bool anyValid = false;
            for (const TChordArrangementMap& map : candidate.arrangementMaps) {
                for (const auto& [soprano, a] : map) {
                    anyValid = anyValid || a.isValid();
                }
            }
            ASSERT_EQ(kept, anyValid) << chordTypeName(candidate.type);
            if (!kept) {
                ASSERT_TRUE(previous != nullptr) << chordTypeName(candidate.type);
                ++dropped;
                continue;
            }
            ASSERT_TRUE(connection.voice(candidate)) << chordTypeName(candidate.type);
            ASSERT_TRUE(candidate.hasCompleteVoicing());
            EXPECT_GE(candidate.soprano, connection.low());
            EXPECT_LE(candidate.soprano, connection.high());
            EXPECT_TRUE(candidate.isChordTone(candidate.soprano, key));
            EXPECT_EQ(candidate.toneIndexAt(candidate.bass, key), candidate.bassTone);
            if (previous != nullptr) {
                const int rule =
                    failingVoiceLeadingRule(previous->voicing(), candidate.voicing(), key);
                ASSERT_EQ(rule, RULE_NONE)
                    << chordTypeName(previous->type) << " to " << chordTypeName(candidate.type)
                    << " in signs " << key.signs() << " mode " << int{key.mode()};
                ++connections;
            }
            progression.push_back(candidate);
        }
    }
    // the walk must actually exercise both outcomes
    EXPECT_GT(connections, 1000);
    EXPECT_GT(dropped, 0);
}
