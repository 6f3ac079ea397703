#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harmony/chord.h"
#include "harmony/voice_leading.h"

static const TKey C_MAJOR(0, MAJOR);

static std::vector<TChordArrangement> arrangementsAt(const TChordArrangementMap& map,
                                                     int32_t soprano) {
    std::vector<TChordArrangement> found;
    auto [first, last] = map.equal_range(soprano);
    for (auto it = first; it != last; ++it) {
        found.push_back(it->second);
    }
    return found;
}

static TChordArrangement arrangement(std::array<int32_t, 3> upper, std::vector<int32_t> basses,
                                     uint8_t layout) {
    TChordArrangement a;
    a.upper = upper;
    a.layout = layout;
    for (size_t j = 0; j < basses.size(); ++j) {
        a.bassOptions[j] = basses[j];
        a.bassOptionValid[j] = true;
    }
    a.bassOptionCount = static_cast<int32_t>(basses.size());
    return a;
}

TEST(ChordArrangement, TonicTriadAtMiddleC) {
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.buildArrangements(C_MAJOR, 20, 20);
    ASSERT_EQ(tonic.arrangementMaps.size(), 2u);
    for (const TChordArrangementMap& map : tonic.arrangementMaps) {
        for (const auto& [soprano, a] : map) {
            EXPECT_EQ(soprano, 20);
            EXPECT_EQ(a.upper[0], soprano);
        }
    }
    {
        SCOPED_TRACE("the complete triad: close, then open");
        const std::vector<TChordArrangement> expected = {
            arrangement({20, 17, 15}, {13, 6}, LAYOUT_CLOSE),
            arrangement({20, 15, 10}, {6}, LAYOUT_OPEN),
        };
        EXPECT_EQ(arrangementsAt(tonic.arrangementMaps[0], 20), expected);
        EXPECT_TRUE(expected[0].isValid());
    }
    {
        SCOPED_TRACE("the triad without fifth: two roots and the third");
        for (const TChordArrangement& a : arrangementsAt(tonic.arrangementMaps[1], 20)) {
            int roots = 0;
            int thirds = 0;
            for (int32_t p : a.upper) {
                const int tone = tonic.toneIndexAt(p, C_MAJOR);
                roots += tone == 0;
                thirds += tone == 1;
            }
            EXPECT_EQ(roots, 2);
            EXPECT_EQ(thirds, 1);
        }
    }
    // a position that is no chord tone has nothing
    tonic.buildArrangements(C_MAJOR, 21, 21);
    EXPECT_TRUE(tonic.arrangementMaps[0].empty());
    EXPECT_EQ(tonic.arrangementCounts, (std::vector<int32_t>{0, 0}));
}

TEST(ChordArrangement, TonicThenDominantInCMajor) {
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.buildArrangements(C_MAJOR, SOPRANO_LOW, SOPRANO_HIGH);
    EXPECT_EQ(tonic.arrangementCounts, (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(tonic.arrangementColumnCount(), 5);
    // the close arrangement under G (24) has three bass octaves
    const std::vector<TChordArrangement> under24 = arrangementsAt(tonic.arrangementMaps[0], 24);
    ASSERT_FALSE(under24.empty());
    EXPECT_EQ(under24[0], arrangement({24, 22, 20}, {20, 13, 6}, LAYOUT_CLOSE));
    ASSERT_TRUE(tonic.chooseArrangement(SOPRANO_TARGET));
    EXPECT_EQ(tonic.voicing(), (TVoicing{24, 22, 20, 6}));

    TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    dominant.buildArrangements(C_MAJOR, 17, 31);
    EXPECT_EQ(dominant.checkConnection(tonic.voicing(), C_MAJOR, 17, 31),
              (TMotionFlags{false, true, true, false, false, false}));
    ASSERT_TRUE(dominant.chooseArrangement(24, {6, false}));
    EXPECT_EQ(dominant.voicing(), (TVoicing{24, 21, 19, 10}));
    EXPECT_TRUE(connectsValidly(tonic.voicing(), dominant.voicing(), C_MAJOR));
}

TEST(ChordArrangement, SeventhChordDoublingKeepsTheRootInTheBass) {
    TChord dominant = chordOfType(TChordType::DOMINANT_FOUR_CHORD);
    dominant.buildArrangements(C_MAJOR, SOPRANO_LOW, SOPRANO_HIGH);
    ASSERT_FALSE(dominant.arrangementMaps[0].empty());
    for (const auto& [soprano, a] : dominant.arrangementMaps[0]) {
        std::array<int, 4> tones{};
        for (int32_t p : a.upper) {
            const int tone = dominant.toneIndexAt(p, C_MAJOR);
            ASSERT_GE(tone, 0);
            ++tones[static_cast<size_t>(tone)];
        }
        EXPECT_EQ(tones, (std::array<int, 4>{0, 1, 1, 1})) << soprano;
        EXPECT_EQ(dominant.toneIndexAt(a.bassOptions[0], C_MAJOR), 0);
    }
}

// Checks every arrangement a chord builds: upper voices descend and hold the doubling, the bass
// holds the bass tone, bass options run down in octaves, and the layout matches the intervals.
static void expectWellFormed(const TChord& chord, const TKey& key, int32_t low, int32_t high) {
    ASSERT_EQ(chord.arrangementMaps.size(), chord.doublings.size());
    ASSERT_EQ(chord.arrangementCounts.size(), chord.doublings.size());
    for (size_t d = 0; d < chord.doublings.size(); ++d) {
        int32_t largest = 0;
        for (int32_t s = low; s <= high; ++s) {
            largest = std::max(largest, static_cast<int32_t>(chord.arrangementMaps[d].count(s)));
        }
        EXPECT_EQ(chord.arrangementCounts[d], largest);
        for (const auto& [soprano, a] : chord.arrangementMaps[d]) {
            SCOPED_TRACE(std::string(chordTypeName(chord.type)) + " soprano " +
                         std::to_string(soprano));
            EXPECT_GE(soprano, low);
            EXPECT_LE(soprano, high);
            EXPECT_EQ(a.upper[0], soprano);
            EXPECT_GE(a.upper[0], a.upper[1]);
            EXPECT_GE(a.upper[1], a.upper[2]);
            EXPECT_GE(a.upper[2], a.bassOptions[0]);
            TDoubling counted;
            for (int32_t p : a.upper) {
                const int tone = chord.toneIndexAt(p, key);
                ASSERT_GE(tone, 0);
                ++counted.counts[static_cast<size_t>(tone)];
            }
            EXPECT_EQ(counted, chord.doublings[d]);
            ASSERT_GE(a.bassOptionCount, 1);
            ASSERT_LE(a.bassOptionCount, 3);
            for (int32_t j = 0; j < a.bassOptionCount; ++j) {
                const int32_t b = a.bassOptions[static_cast<size_t>(j)];
                EXPECT_GE(b, 0);
                EXPECT_EQ(b, a.bassOptions[0] - 7 * j);
                EXPECT_EQ(chord.toneIndexAt(b, key), chord.bassTone);
                EXPECT_TRUE(a.bassOptionValid[static_cast<size_t>(j)]);
            }
            // the highest bass is the first bass tone at or below the tenor
            EXPECT_GT(a.bassOptions[0] + 7, a.upper[2]);
            if (a.bassOptionCount < 3) {
                EXPECT_LT(a.bassOptions[static_cast<size_t>(a.bassOptionCount - 1)] - 7, 0);
            }
            const auto classOf = [](int32_t d) { return d <= 3 ? 1 : 2; };
            const int altoClass = classOf(a.upper[0] - a.upper[1]);
            const int tenorClass = classOf(a.upper[1] - a.upper[2]);
            EXPECT_LE(a.upper[0] - a.upper[1], 7);
            EXPECT_LE(a.upper[1] - a.upper[2], 7);
            const uint8_t layout = altoClass == 1 && tenorClass == 1   ? LAYOUT_CLOSE
                                   : altoClass == 2 && tenorClass == 2 ? LAYOUT_OPEN
                                                                       : LAYOUT_MIXED;
            EXPECT_EQ(a.layout, layout);
        }
    }
}

TEST(ChordArrangement, EveryArrangementIsWellFormed) {
    for (int signs : {-7, -3, 0, 1, 6}) {
        for (uint8_t mode : {MAJOR, MINOR}) {
            const TKey key(signs, mode);
            for (std::string_view name : CHORD_TYPE_NAMES) {
                TChord chord = chordFromTypeName(name);
                chord.buildArrangements(key, SOPRANO_LOW, SOPRANO_HIGH);
                expectWellFormed(chord, key, SOPRANO_LOW, SOPRANO_HIGH);
            }
        }
    }
}

TEST(ChordArrangement, ChooseArrangementNearestTarget) {
    TChord chord = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    chord.arrangementMaps.assign(2, TChordArrangementMap());
    TChordArrangement invalid = arrangement({23, 21, 19}, {17}, LAYOUT_CLOSE);
    invalid.bassOptionValid[0] = false;
    chord.arrangementMaps[0].emplace(23, invalid);
    chord.arrangementMaps[0].emplace(24, arrangement({24, 21, 19}, {17, 10}, LAYOUT_CLOSE));
    chord.arrangementMaps[0].emplace(24, arrangement({24, 19, 14}, {10}, LAYOUT_OPEN));
    chord.arrangementMaps[0].emplace(26, arrangement({26, 24, 21}, {17}, LAYOUT_CLOSE));
    {
        SCOPED_TRACE("equal distance: the lower soprano, its first arrangement");
        ASSERT_TRUE(chord.chooseArrangement(25));
        EXPECT_EQ(chord.voicing(), (TVoicing{24, 21, 19, 10}));
    }
    {
        SCOPED_TRACE("an invalid arrangement is passed over");
        ASSERT_TRUE(chord.chooseArrangement(23));
        EXPECT_EQ(chord.voicing()[0], 24);
    }
    {
        SCOPED_TRACE("a later doubling only when the earlier has nothing valid");
        chord.arrangementMaps[1].emplace(25, arrangement({25, 21, 19}, {17}, LAYOUT_CLOSE));
        ASSERT_TRUE(chord.chooseArrangement(25));
        EXPECT_EQ(chord.voicing()[0], 24);
        for (auto& [soprano, a] : chord.arrangementMaps[0]) {
            a.bassOptionValid.fill(false);
        }
        ASSERT_TRUE(chord.chooseArrangement(24));
        EXPECT_EQ(chord.voicing(), (TVoicing{25, 21, 19, 17}));
    }
    {
        SCOPED_TRACE("sopranos outside 13..34 are never chosen");
        chord.arrangementMaps[1].clear();
        chord.arrangementMaps[1].emplace(35, arrangement({35, 33, 31}, {24}, LAYOUT_CLOSE));
        chord.setVoicing(1, 2, 3, 4);
        EXPECT_FALSE(chord.chooseArrangement(35));
        EXPECT_EQ(chord.voicing(), (TVoicing{1, 2, 3, 4}));
    }
    {
        SCOPED_TRACE("nothing valid: an unarranged chord stays unarranged");
        TChord fresh = chordOfType(TChordType::TONIC_THREE_CHORD);
        EXPECT_FALSE(fresh.chooseArrangement(25));
        EXPECT_FALSE(fresh.isArranged());
    }
}

TEST(ChordArrangement, ChooseBassOption) {
    struct TCase {
        const char* what;
        int32_t tenor;
        std::vector<int32_t> basses;
        std::vector<bool> valid;
        int32_t previousBass;
        bool previousBassRose;
        int32_t expected;
    };
    const std::vector<TCase> cases = {
        {"no previous bass: the lowest", 15, {13, 6}, {true, true}, -1, false, 1},
        {"too far below the tenor", 25, {13, 6}, {true, true}, -1, false, 0},
        {"the only option above the fallen bass", 15, {13, 6}, {true, true}, 10, false, 0},
        {"against a risen bass", 15, {13, 6}, {true, true}, 10, true, 1},
        {"nothing above: the lowest", 15, {13, 6}, {true, true}, 20, false, 1},
        {"exactly one valid", 15, {20, 13, 6}, {false, true, false}, -1, false, 1},
        {"one valid even when far below", 30, {13, 6}, {false, true}, -1, false, 1},
        {"all too far: back to every valid", 35, {13, 6}, {true, true}, -1, false, 1},
        {"three octaves, one too far", 21, {20, 13, 6}, {true, true, true}, -1, false, 1},
        {"exactly 14 below is near enough", 20, {20, 13, 6}, {true, true, true}, -1, false, 2},
        {"three octaves above a fallen bass", 21, {20, 13, 6}, {true, true, true}, 13, false, 0},
        {"three octaves against a risen bass", 21, {20, 13, 6}, {true, true, true}, 13, true, 1},
        {"none valid", 15, {13, 6}, {false, false}, -1, false, 0},
        {"none valid with context", 15, {13, 6}, {false, false}, 10, true, 0},
        {"unused entries are ignored", 15, {13}, {true, true}, -1, false, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        TChordArrangement a;
        a.upper = {c.tenor + 4, c.tenor + 2, c.tenor};
        for (size_t j = 0; j < c.basses.size(); ++j) {
            a.bassOptions[j] = c.basses[j];
        }
        for (size_t j = 0; j < c.valid.size(); ++j) {
            a.bassOptionValid[j] = c.valid[j];
        }
        a.bassOptionCount = static_cast<int32_t>(c.basses.size());
        EXPECT_EQ(TChord::chooseBassOption(a, {c.previousBass, c.previousBassRose}), c.expected);
    }
}

TEST(ChordArrangement, CheckConnectionValidatesAndSetsMotionFlags) {
    const TVoicing previous = {24, 22, 20, 6};
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.buildArrangements(C_MAJOR, 17, 31);
    const TMotionFlags tonicMotions = tonic.checkConnection(previous, C_MAJOR, 17, 31);
    for (const TChordArrangementMap& map : tonic.arrangementMaps) {
        for (const auto& [soprano, a] : map) {
            for (int32_t j = 0; j < a.bassOptionCount; ++j) {
                const TVoicing next = {a.upper[0], a.upper[1], a.upper[2],
                                       a.bassOptions[static_cast<size_t>(j)]};
                EXPECT_EQ(a.bassOptionValid[static_cast<size_t>(j)],
                          connectsValidly(previous, next, C_MAJOR))
                    << soprano << " option " << j;
            }
        }
    }
    // repeating the chord in the same voicing is out, but other tonic voicings connect
    const auto& same = arrangementsAt(tonic.arrangementMaps[0], 24);
    ASSERT_FALSE(same.empty());
    EXPECT_FALSE(same[0].bassOptionValid[2]);
    // the tonic triad on degree 1 can carry C in the soprano
    EXPECT_TRUE(tonicMotions[MOTION_TONIC]);
    EXPECT_TRUE(hasSopranoMove(tonicMotions));

    // a dominant never sets the tonic flag
    TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    dominant.buildArrangements(C_MAJOR, 17, 31);
    EXPECT_FALSE(dominant.checkConnection(previous, C_MAJOR, 17, 31)[MOTION_TONIC]);

    // arrangements outside the checked range keep their flags
    TChord wide = chordOfType(TChordType::TONIC_THREE_CHORD);
    wide.buildArrangements(C_MAJOR, SOPRANO_LOW, SOPRANO_HIGH);
    wide.checkConnection(previous, C_MAJOR, 24, 24);
    for (const auto& [soprano, a] : wide.arrangementMaps[0]) {
        if (soprano != 24) {
            EXPECT_TRUE(a.isValid()) << soprano;
        }
    }
}
