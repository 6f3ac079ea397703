#include "harmony/chord.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "model/key.h"

static const TKey C_MAJOR(0, MAJOR);
static const TKey A_MINOR(0, MINOR);

// The chord-type table as the harmony textbook gives it, row by row.
struct TExpectedType {
    const char* name;
    int degree;
    int tones;
    int bassTone;
    std::vector<std::vector<int32_t>> doublings;
    int order;
    bool tonicGroup;
    bool inMinor;
    TRgb colour;
    int set;  // 1-based place in the chord set, 0 when not in it
};

static const std::vector<TExpectedType> EXPECTED_TYPES = {
    {"TONIC_THREE_CHORD", 1, 3, 0, {{1, 1, 1, 0}, {2, 1, 0, 0}}, 1, true, true, 0xB9FFFF, 1},
    {"TONIC_SIXTH_CHORD", 1, 3, 1, {{2, 0, 1, 0}, {1, 0, 2, 0}}, 2, true, true, 0xDFE0FF, 2},
    {"TONIC_FOUR_CHORD", 1, 4, 0, {{0, 1, 1, 1}}, 3, true, true, 0xB9DCFF, 3},
    {"TOPM_THREE_CHORD", 6, 3, 0, {{1, 1, 1, 0}, {0, 2, 1, 0}}, 4, true, true, 0xD0EBC7, 4},
    {"LOWM_THREE_CHORD", 3, 3, 0, {{1, 1, 1, 0}, {0, 1, 2, 0}}, 13, true, false, 0xFAD8F4, 5},
    {"TOPM_FOUR_CHORD", 6, 4, 0, {{0, 1, 1, 1}}, 5, false, true, 0xBFE7BC, 6},
    {"SUBDOMINANT_THREE_CHORD", 4, 3, 0, {{1, 1, 1, 0}, {0, 1, 2, 0}}, 6, false, true, 0xD0EBC7, 7},
    {"SUBDOMINANT_SIXTH_CHORD", 4, 3, 1, {{2, 0, 1, 0}, {1, 0, 2, 0}}, 7, false, true, 0xC1FFC8, 8},
    {"SUBDOMINANT_FOUR_CHORD", 4, 4, 0, {{0, 1, 1, 1}}, 8, false, true, 0xC6FFB7, 9},
    {"LOWINTRO_THREE_CHORD", 2, 3, 0, {{1, 1, 1, 0}, {0, 2, 1, 0}}, 9, false, false, 0xBDE8D9, 10},
    {"LOWINTRO_SIXTH_CHORD", 2, 3, 1, {{1, 1, 1, 0}}, 10, false, true, 0xA5E2C5, 11},
    {"LOWINTRO_FOUR_CHORD", 2, 4, 0, {{0, 1, 1, 1}}, 11, false, true, 0xA5E2C5, 12},
    {"LOWINTRO_SIXTH_FIFTH_CHORD", 2, 4, 1, {{1, 0, 1, 1}}, 11, false, true, 0xA5E2C5, 0},
    {"LOWINTRO_FOURTH_THIRD_CHORD", 2, 4, 2, {{1, 1, 0, 1}}, 11, false, true, 0xA5E2C5, 0},
    {"LOWINTRO_SECOND_CHORD", 2, 4, 3, {{1, 1, 1, 0}}, 11, false, true, 0xA5E2C5, 0},
    {"K_SIXTH_FOURTH_CHORD", 1, 3, 2, {{1, 1, 1, 0}}, 12, false, true, 0xF3CBFE, 13},
    {"LOWM_FOUR_CHORD", 3, 4, 0, {{0, 1, 1, 1}}, 14, false, true, 0xF9D0F1, 14},
    {"DOMINANT_THREE_CHORD", 5, 3, 0, {{1, 1, 1, 0}, {0, 1, 2, 0}}, 15, false, true, 0xFDCCE3, 15},
    {"LOWM_SIXTH_CHORD", 3, 3, 1, {{1, 1, 1, 0}}, 15, false, true, 0xFDCCE4, 16},
    {"DOMINANT_SIXTH_CHORD", 5, 3, 1, {{2, 0, 1, 0}, {1, 0, 2, 0}}, 16, false, true, 0xFBCEE3, 17},
    {"DOMINANT_FOUR_CHORD", 5, 4, 0, {{0, 1, 1, 1}, {1, 1, 0, 1}}, 17, false, true, 0xFCC2DE, 18},
    {"DOMINANT_SIXTH_FIFTH_CHORD", 5, 4, 1, {{1, 0, 1, 1}}, 17, false, true, 0xFCC2DE, 19},
    {"DOMINANT_FOURTH_THIRD_CHORD", 5, 4, 2, {{1, 1, 0, 1}}, 17, false, true, 0xFCC2DE, 0},
    {"DOMINANT_SECOND_CHORD", 5, 4, 3, {{1, 1, 1, 0}}, 17, false, true, 0xFCC2DE, 0},
    {"TOPINTRO_SIXTH_CHORD", 7, 3, 1, {{1, 1, 1, 0}}, 18, false, true, 0xFCD6D7, 20},
    {"TOPINTRO_FOUR_CHORD", 7, 4, 0, {{0, 1, 1, 1}}, 19, false, true, 0xFCCFD0, 21},
    {"TOPINTRO_SIXTH_FIFTH_CHORD", 7, 4, 1, {{1, 0, 1, 1}}, 19, false, true, 0xFCCFD0, 0},
    {"TOPINTRO_FOURTH_THIRD_CHORD", 7, 4, 2, {{1, 1, 0, 1}}, 19, false, true, 0xFCCFD0, 0},
    {"TOPINTRO_SECOND_CHORD", 7, 4, 3, {{1, 1, 1, 0}}, 19, false, true, 0xFCCFD0, 0},
};

static void expectNoType(const TChord& chord) {
    EXPECT_EQ(chord.type, TChordType::NONE);
    EXPECT_FALSE(chord.hasType());
    EXPECT_EQ(chord.degree, 0);
    EXPECT_EQ(chord.toneCount, 0);
    EXPECT_EQ(chord.bassTone, 0);
    EXPECT_TRUE(chord.doublings.empty());
    EXPECT_EQ(chord.order, 0);
    EXPECT_FALSE(chord.tonicGroup);
    EXPECT_TRUE(chord.inMajor);
    EXPECT_TRUE(chord.inMinor);
    EXPECT_EQ(chord.colour, 0x000000u);
    EXPECT_EQ(chord.voicing(), (TVoicing{-1, -1, -1, -1}));
    EXPECT_EQ(chord.time, 0);
}

TEST(Chord, TypeDataOfAllTypes) {
    ASSERT_EQ(EXPECTED_TYPES.size(), static_cast<size_t>(CHORD_TYPE_COUNT));
    std::vector<std::string> set(HARMONY_SET_SIZE);
    for (size_t i = 0; i < EXPECTED_TYPES.size(); ++i) {
        const TExpectedType& expected = EXPECTED_TYPES[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(CHORD_TYPE_NAMES[i], expected.name);
        const TChord chord = chordFromTypeName(expected.name);
        EXPECT_EQ(chordTypeName(chord.type), expected.name);
        EXPECT_TRUE(chord.hasType());
        EXPECT_EQ(chord.degree, expected.degree);
        EXPECT_EQ(chord.toneCount, expected.tones);
        EXPECT_EQ(chord.bassTone, expected.bassTone);
        std::vector<std::vector<int32_t>> doublings;
        for (const TDoubling& d : chord.doublings) {
            doublings.emplace_back(d.counts.begin(), d.counts.end());
            EXPECT_EQ(d[0] + d[1] + d[2] + d[3], 3);
        }
        EXPECT_EQ(doublings, expected.doublings);
        EXPECT_EQ(chord.order, expected.order);
        EXPECT_EQ(chord.tonicGroup, expected.tonicGroup);
        EXPECT_TRUE(chord.inMajor);
        EXPECT_EQ(chord.inMinor, expected.inMinor);
        EXPECT_EQ(chord.colour, expected.colour);
        // type data only: not arranged, no arrangements, at time 0
        EXPECT_FALSE(chord.isArranged());
        EXPECT_EQ(chord.voicing(), (TVoicing{-1, -1, -1, -1}));
        EXPECT_EQ(chord.time, 0);
        EXPECT_TRUE(chord.arrangementMaps.empty());
        EXPECT_TRUE(chord.arrangementCounts.empty());
        if (expected.set > 0) {
            set[static_cast<size_t>(expected.set - 1)] = expected.name;
        }
    }
    for (size_t i = 0; i < set.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(chordTypeName(HARMONY_SET[i]), set[i]);
    }
}

TEST(Chord, FromTypeName) {
    {
        SCOPED_TRACE("the dominant six-five chord");
        const TChord chord = chordOfType(TChordType::DOMINANT_SIXTH_FIFTH_CHORD);
        EXPECT_EQ(chord.degree, 5);
        EXPECT_EQ(chord.toneCount, 4);
        EXPECT_EQ(chord.bassTone, 1);
        ASSERT_EQ(chord.doublings.size(), 1u);
        EXPECT_EQ(chord.doublings[0], (TDoubling{{1, 0, 1, 1}}));
        EXPECT_EQ(chord.order, 17);
        EXPECT_FALSE(chord.tonicGroup);
        EXPECT_TRUE(chord.isAvailableIn(C_MAJOR));
        EXPECT_TRUE(chord.isAvailableIn(A_MINOR));
    }
    for (const char* name : {"dominant_three_chord", "", "TONIC_THREE_CHORD ", "TONIC"}) {
        SCOPED_TRACE(std::string("no type: '") + name + "'");
        expectNoType(chordFromTypeName(name));
    }
    SCOPED_TRACE("default chord");
    expectNoType(TChord());
    const TChord built(5, 3, 1);
    EXPECT_EQ(built.degree, 5);
    EXPECT_EQ(built.toneCount, 3);
    EXPECT_EQ(built.bassTone, 1);
    EXPECT_FALSE(built.hasType());
    EXPECT_FALSE(built.isArranged());
}

TEST(Chord, TypeNames) {
    for (int i = 0; i < CHORD_TYPE_COUNT; ++i) {
        const auto type = static_cast<TChordType>(i);
        const std::string_view name = chordTypeName(type);
        SCOPED_TRACE(std::string(name));
        EXPECT_EQ(name, CHORD_TYPE_NAMES[static_cast<size_t>(i)]);
        EXPECT_EQ(chordTypeFromName(name), type);
        EXPECT_EQ(chordOfType(type).type, type);
        EXPECT_EQ(chordFromTypeName(name).type, type);
    }
    EXPECT_EQ(chordTypeName(TChordType::TONIC_THREE_CHORD), "TONIC_THREE_CHORD");
    EXPECT_EQ(chordTypeName(TChordType::K_SIXTH_FOURTH_CHORD), "K_SIXTH_FOURTH_CHORD");
    EXPECT_EQ(chordTypeName(TChordType::TOPINTRO_SECOND_CHORD), "TOPINTRO_SECOND_CHORD");
    EXPECT_EQ(chordTypeName(TChordType::NONE), "");
    for (const char* name : {"dominant_three_chord", "", "TONIC_THREE_CHORD ", "TONIC", "NONE"}) {
        SCOPED_TRACE(std::string("no type: '") + name + "'");
        EXPECT_EQ(chordTypeFromName(name), TChordType::NONE);
    }
    SCOPED_TRACE("chord of no type");
    expectNoType(chordOfType(TChordType::NONE));
}

TEST(Chord, AvailabilityPerMode) {
    for (int signs = -7; signs <= 7; ++signs) {
        const TKey major(signs, MAJOR);
        const TKey minor(signs, MINOR);
        for (std::string_view name : CHORD_TYPE_NAMES) {
            SCOPED_TRACE(std::string(name) + " signs " + std::to_string(signs));
            const TChord chord = chordFromTypeName(name);
            EXPECT_TRUE(chord.isAvailableIn(major));
            const bool majorOnly = name == "LOWINTRO_THREE_CHORD" || name == "LOWM_THREE_CHORD";
            EXPECT_EQ(chord.isAvailableIn(minor), !majorOnly);
        }
    }
}

TEST(Chord, VoicingAndCopy) {
    TChord chord = chordOfType(TChordType::TONIC_THREE_CHORD);
    chord.setVoicing(20, 17, 15, 6);
    EXPECT_TRUE(chord.isArranged());
    EXPECT_TRUE(chord.sameVoicing(20, 17, 15, 6));
    EXPECT_FALSE(chord.sameVoicing(20, 17, 15, 13));
    EXPECT_FALSE(chord.sameVoicing(17, 20, 15, 6));
    EXPECT_EQ(chord.voicing(), (TVoicing{20, 17, 15, 6}));
    EXPECT_TRUE(chord.hasCompleteVoicing());

    // only the soprano tells whether a chord is arranged
    TChord partial;
    partial.setVoicing(-1, 17, 15, 6);
    EXPECT_FALSE(partial.isArranged());
    partial.setVoicing(20, 17, 15, 42);
    EXPECT_TRUE(partial.isArranged());
    EXPECT_FALSE(partial.hasCompleteVoicing());

    chord.time = 240;
    chord.buildArrangements(C_MAJOR, 20, 20);
    const TChord copy = chord;
    EXPECT_TRUE(copy.sameVoicing(chord));
    EXPECT_EQ(copy.time, 240);
    EXPECT_EQ(copy.type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(copy.doublings, chord.doublings);
    EXPECT_EQ(copy.arrangementMaps, chord.arrangementMaps);
    EXPECT_EQ(copy.arrangementCounts, chord.arrangementCounts);

    chord.clearVoicing();
    EXPECT_FALSE(chord.isArranged());
    EXPECT_EQ(chord.voicing(), (TVoicing{-1, -1, -1, -1}));
    EXPECT_TRUE(copy.isArranged());
}

static std::vector<int32_t> everyFrom(int32_t first, std::initializer_list<int32_t> steps) {
    std::vector<int32_t> positions;
    size_t i = 0;
    for (int32_t p = first; p < PITCH_COUNT; p += *(steps.begin() + (i++ % steps.size()))) {
        positions.push_back(p);
    }
    return positions;
}

TEST(Chord, ChordToneMaps) {
    struct TCase {
        const char* name;
        TKey key;
        std::vector<int32_t> positions;
    };
    const std::vector<TCase> cases = {
        // C E G from E at position 1
        {"TONIC_THREE_CHORD", C_MAJOR, everyFrom(1, {2, 3, 2})},
        // G B D from D at position 0: the fifth is lowest
        {"DOMINANT_THREE_CHORD", C_MAJOR, everyFrom(0, {3, 2, 2})},
        // G B D F from D: F at 2, G at 3
        {"DOMINANT_FOUR_CHORD", C_MAJOR, everyFrom(0, {2, 1, 2, 2})},
        // D F A in C major: the root on position 0
        {"LOWINTRO_THREE_CHORD", C_MAJOR, everyFrom(0, {2, 2, 3})},
        // A C E in A minor, position 0 is D (degree 4): E at 1, A at 4
        {"TONIC_THREE_CHORD", A_MINOR, everyFrom(1, {3, 2, 2})},
        // E G# B D in A minor: D at 0 is the seventh
        {"DOMINANT_FOUR_CHORD", A_MINOR, everyFrom(0, {1, 2, 2, 2})},
        // E minor, position 0 is the raised seventh D sharp: B D# F# from D# at 0
        {"DOMINANT_THREE_CHORD", TKey(1, MINOR), everyFrom(0, {2, 3, 2})},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " signs " + std::to_string(c.key.signs()) + " mode " +
                     std::to_string(c.key.mode()));
        const TChord chord = chordFromTypeName(c.name);
        EXPECT_EQ(chord.chordTonePositions(c.key), c.positions);
        const std::array<bool, PITCH_COUNT> map = chord.chordToneMap(c.key);
        for (int32_t p = 0; p < PITCH_COUNT; ++p) {
            const bool expected =
                std::find(c.positions.begin(), c.positions.end(), p) != c.positions.end();
            EXPECT_EQ(map[static_cast<size_t>(p)], expected) << p;
            EXPECT_EQ(chord.isChordTone(p, c.key), expected) << p;
            EXPECT_EQ(chord.toneIndexAt(p, c.key) >= 0, expected) << p;
        }
        EXPECT_FALSE(chord.isChordTone(-1, c.key));
        EXPECT_FALSE(chord.isChordTone(NO_POSITION, c.key));
    }
    // the tone held by a position: C major dominant seventh, D is the fifth, F the seventh
    const TChord dominant = chordOfType(TChordType::DOMINANT_FOUR_CHORD);
    EXPECT_EQ(dominant.toneIndexAt(0, C_MAJOR), 2);
    EXPECT_EQ(dominant.toneIndexAt(2, C_MAJOR), 3);
    EXPECT_EQ(dominant.toneIndexAt(3, C_MAJOR), 0);
    EXPECT_EQ(dominant.toneIndexAt(5, C_MAJOR), 1);
    EXPECT_EQ(dominant.toneIndexAt(1, C_MAJOR), -1);
    // a chord of no type has no tones at all
    const TChord none;
    EXPECT_TRUE(none.chordTonePositions(C_MAJOR).empty());
    EXPECT_EQ(none.nextChordTone(0, C_MAJOR, 1), NO_POSITION);
    EXPECT_EQ(none.nextNonChordTone(0, C_MAJOR, 1), 1);
}

TEST(Chord, NavigationAtBothEnds) {
    const TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    struct TCase {
        const char* what;
        int32_t got;
        int32_t expected;
    };
    const std::vector<TCase> cases = {
        {"next chord tone above E", dominant.nextChordTone(1, C_MAJOR, 1), 3},
        {"next chord tone above D", dominant.nextChordTone(0, C_MAJOR, 1), 3},
        {"three chord tones up", dominant.nextChordTone(1, C_MAJOR, 3), 7},
        {"no move at count 0", dominant.nextChordTone(1, C_MAJOR, 0), 1},
        {"from below the range", dominant.nextChordTone(-1, C_MAJOR, 1), 0},
        {"highest chord tone", dominant.nextChordTone(38, C_MAJOR, 1), 40},
        {"past the top", dominant.nextChordTone(40, C_MAJOR, 1), NO_POSITION},
        {"past the top by count", dominant.nextChordTone(35, C_MAJOR, 3), NO_POSITION},
        {"from no position up", dominant.nextChordTone(NO_POSITION, C_MAJOR, 1), NO_POSITION},
        {"previous chord tone below D", dominant.previousChordTone(0, C_MAJOR, 1), NO_POSITION},
        {"previous chord tone below E", dominant.previousChordTone(2, C_MAJOR, 1), 0},
        {"two chord tones down", dominant.previousChordTone(7, C_MAJOR, 2), 3},
        {"past the bottom by count", dominant.previousChordTone(5, C_MAJOR, 3), NO_POSITION},
        {"from above the range", dominant.previousChordTone(NO_POSITION, C_MAJOR, 1), 40},
        {"tonic's top is C at 41", tonic.nextChordTone(39, C_MAJOR, 1), 41},
        {"from the top chord tone", tonic.nextChordTone(41, C_MAJOR, 1), NO_POSITION},
        {"next non-chord tone", tonic.nextNonChordTone(1, C_MAJOR, 1), 2},
        {"non-chord tones skip chord tones", tonic.nextNonChordTone(2, C_MAJOR, 2), 5},
        {"non-chord tone past the top", tonic.nextNonChordTone(40, C_MAJOR, 1), NO_POSITION},
        {"previous non-chord tone", tonic.previousNonChordTone(3, C_MAJOR, 1), 2},
        {"lowest non-chord tone", tonic.previousNonChordTone(1, C_MAJOR, 1), 0},
        {"non-chord tone below the bottom", tonic.previousNonChordTone(0, C_MAJOR, 1), NO_POSITION},
        {"dominant: nothing above 39 but B", dominant.previousNonChordTone(41, C_MAJOR, 1), 39},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.got, c.expected);
    }
}

TEST(Chord, ChordToneSteps) {
    const TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    struct TCase {
        const char* what;
        int32_t got;
        int32_t expected;
    };
    const std::vector<TCase> cases = {
        {"G to B to D to G", dominant.chordToneSteps(3, 10, C_MAJOR), 3},
        {"G down to G", dominant.chordToneSteps(10, 3, C_MAJOR), 3},
        {"no distance", dominant.chordToneSteps(5, 5, C_MAJOR), 0},
        {"a non-chord tone start", dominant.chordToneSteps(1, 10, C_MAJOR), 4},
        {"passing a non-chord tone target", dominant.chordToneSteps(3, 4, C_MAJOR), 1},
        {"passing downward", dominant.chordToneSteps(10, 8, C_MAJOR), 1},
        {"running out at the top", dominant.chordToneSteps(38, 41, C_MAJOR), 2},
        {"running out at the bottom", dominant.chordToneSteps(3, -5, C_MAJOR), 2},
        {"non-chord tones D to A", tonic.nonChordToneSteps(0, 5, C_MAJOR), 3},
        {"non-chord tones down", tonic.nonChordToneSteps(5, 0, C_MAJOR), 3},
        {"non-chord tones no distance", tonic.nonChordToneSteps(4, 4, C_MAJOR), 0},
        {"non-chord tones at the top", tonic.nonChordToneSteps(39, 41, C_MAJOR), 2},
        {"a chord of no type", TChord().chordToneSteps(0, 10, C_MAJOR), 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.got, c.expected);
    }
}

static std::vector<std::string> namesOf(const std::vector<TChord>& chords) {
    std::vector<std::string> names;
    for (const TChord& chord : chords) {
        names.push_back(std::string(chordTypeName(chord.type)));
    }
    return names;
}

TEST(Chord, SuccessionRule) {
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    const TChord subdominant = chordOfType(TChordType::SUBDOMINANT_THREE_CHORD);
    const TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    EXPECT_TRUE(tonic.canFollow(dominant.order));
    EXPECT_FALSE(subdominant.canFollow(dominant.order));
    EXPECT_TRUE(dominant.canFollow(dominant.order));
    EXPECT_TRUE(subdominant.canFollow(0));

    {
        SCOPED_TRACE("after the dominant triad in C major");
        const std::vector<std::string> expected = {
            "DOMINANT_THREE_CHORD", "LOWM_SIXTH_CHORD",           "DOMINANT_SIXTH_CHORD",
            "DOMINANT_FOUR_CHORD",  "DOMINANT_SIXTH_FIFTH_CHORD", "TOPINTRO_SIXTH_CHORD",
            "TOPINTRO_FOUR_CHORD",  "TONIC_THREE_CHORD",          "TONIC_SIXTH_CHORD",
            "TONIC_FOUR_CHORD",     "TOPM_THREE_CHORD",           "LOWM_THREE_CHORD",
        };
        EXPECT_EQ(namesOf(successionCandidates(C_MAJOR, 15)), expected);
    }
    {
        SCOPED_TRACE("the same in A minor: no mediant triad");
        const std::vector<std::string> expected = {
            "DOMINANT_THREE_CHORD", "LOWM_SIXTH_CHORD",           "DOMINANT_SIXTH_CHORD",
            "DOMINANT_FOUR_CHORD",  "DOMINANT_SIXTH_FIFTH_CHORD", "TOPINTRO_SIXTH_CHORD",
            "TOPINTRO_FOUR_CHORD",  "TONIC_THREE_CHORD",          "TONIC_SIXTH_CHORD",
            "TONIC_FOUR_CHORD",     "TOPM_THREE_CHORD",
        };
        EXPECT_EQ(namesOf(successionCandidates(A_MINOR, 15)), expected);
    }
    {
        SCOPED_TRACE("the first chord: everything, sorted by order");
        const std::vector<TChord> all = successionCandidates(C_MAJOR, 0);
        ASSERT_EQ(all.size(), static_cast<size_t>(HARMONY_SET_SIZE));
        for (size_t i = 1; i < all.size(); ++i) {
            EXPECT_LE(all[i - 1].order, all[i].order) << i;
        }
        // LOWM_THREE_CHORD (order 13) sorts after K_SIXTH_FOURTH_CHORD (12)
        EXPECT_EQ(all[11].type, TChordType::K_SIXTH_FOURTH_CHORD);
        EXPECT_EQ(all[12].type, TChordType::LOWM_THREE_CHORD);
        // equal orders keep the set order
        EXPECT_EQ(all[14].type, TChordType::DOMINANT_THREE_CHORD);
        EXPECT_EQ(all[15].type, TChordType::LOWM_SIXTH_CHORD);
        EXPECT_EQ(successionCandidates(A_MINOR, 0).size(),
                  static_cast<size_t>(HARMONY_SET_SIZE - 2));
    }
    {
        SCOPED_TRACE("after the last order only it and the tonic group remain");
        const std::vector<std::string> expected = {"TOPINTRO_FOUR_CHORD", "TONIC_THREE_CHORD",
                                                   "TONIC_SIXTH_CHORD",   "TONIC_FOUR_CHORD",
                                                   "TOPM_THREE_CHORD",    "LOWM_THREE_CHORD"};
        EXPECT_EQ(namesOf(successionCandidates(C_MAJOR, 19)), expected);
    }
}
