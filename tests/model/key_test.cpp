#include "model/key.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

#include "model/measure.h"
#include "model/tempo.h"

namespace {

std::vector<int> firstEight(const TKey& k) {
    return std::vector<int>(k.pitches().begin(), k.pitches().begin() + 8);
}

}  // namespace

TEST(KeyTest, PitchTablesOfTheExamples) {
    const TKey cMajor(0, MAJOR);
    EXPECT_EQ(cMajor.firstDegree(), 2);
    EXPECT_EQ(firstEight(cMajor), (std::vector<int>{26, 28, 29, 31, 33, 35, 36, 38}));
    EXPECT_EQ(cMajor.pitch(20), 60);
    EXPECT_EQ(cMajor.pitch(41), 96);

    EXPECT_EQ(firstEight(TKey(0, MINOR)), (std::vector<int>{26, 28, 29, 32, 33, 35, 36, 38}));
    EXPECT_EQ(firstEight(TKey(1, MINOR)), (std::vector<int>{27, 28, 30, 31, 33, 35, 36, 39}));
    EXPECT_EQ(firstEight(TKey(2, MINOR)), (std::vector<int>{26, 28, 30, 31, 34, 35, 37, 38}));
}

TEST(KeyTest, RaisedSeventhOnPositionZeroAndExtremeSignatures) {
    const TKey eMinor(1, MINOR);
    EXPECT_EQ(eMinor.firstDegree(), 7);
    EXPECT_EQ(eMinor.pitch(0), 27);  // D sharp, the leading tone
    EXPECT_EQ(eMinor.pitch(1), 28);
    EXPECT_EQ(eMinor.pitch(7), 39);
    EXPECT_TRUE(eMinor.isRaisedSeventh(0));

    const TKey eFlatMinor(-6, MINOR);
    EXPECT_EQ(eFlatMinor.firstDegree(), 7);
    EXPECT_EQ(eFlatMinor.pitch(0), 26);  // D natural
    EXPECT_EQ(eFlatMinor.pitch(1), 27);
    EXPECT_EQ(eFlatMinor.accidentalFor(0, ALTERATION_RAISE), ACCIDENTAL_NATURAL);

    EXPECT_EQ(TKey(7, MAJOR).pitch(0), 27);
    EXPECT_EQ(TKey(-7, MAJOR).pitch(0), 25);
    // every table climbs by scale steps over the whole range
    for (int signs = -7; signs <= 7; ++signs)
        for (uint8_t mode : {MAJOR, MINOR}) {
            SCOPED_TRACE(testing::Message() << "signs " << signs << " mode " << int(mode));
            const TKey k(signs, mode);
            for (int p = 7; p < PITCH_COUNT; ++p)
                EXPECT_EQ(k.pitch(p), k.pitch(p - 7) + 12);
        }
}

TEST(KeyTest, DegreesAccidentalsAndColours) {
    const TKey cMinor(-3, MINOR);
    for (int p = 0; p < PITCH_COUNT; ++p) {
        SCOPED_TRACE(p);
        const bool isB = (p + 1) % 7 == 6;
        EXPECT_EQ(cMinor.isRaisedSeventh(p), isB);
        if (isB) {
            EXPECT_EQ(cMinor.accidentalFor(p, ALTERATION_RAISE), ACCIDENTAL_NATURAL);
        }
    }
    EXPECT_FALSE(TKey(-3, MAJOR).isRaisedSeventh(5));

    const TKey aMinor(0, MINOR);
    EXPECT_EQ(aMinor.accidentalFor(5, ALTERATION_RAISE), ACCIDENTAL_SHARP);  // G sharp
    EXPECT_EQ(aMinor.accidentalFor(5, ALTERATION_LOWER), ACCIDENTAL_FLAT);
    EXPECT_EQ(aMinor.accidentalFor(5, 0), ACCIDENTAL_NONE);
    EXPECT_EQ(aMinor.accidentalFor(5, 2), ACCIDENTAL_NONE);
    const TKey dMajor(2, MAJOR);  // F and C sharp
    EXPECT_EQ(dMajor.accidentalFor(2, ALTERATION_RAISE), ACCIDENTAL_DOUBLE_SHARP);
    EXPECT_EQ(dMajor.accidentalFor(2, ALTERATION_LOWER), ACCIDENTAL_NATURAL);
    const TKey bFlatMajor(-2, MAJOR);
    EXPECT_EQ(bFlatMajor.accidentalFor(5, ALTERATION_LOWER), ACCIDENTAL_DOUBLE_FLAT);

    const TKey cMajor;
    EXPECT_EQ(cMajor.degreeOf(0), 2);
    EXPECT_EQ(cMajor.degreeOf(6), 1);
    EXPECT_EQ(cMajor.degreeColour(6), 0x00FFFFu);
    EXPECT_EQ(cMajor.degreeColour(5), 0xFA8FC2u);

    EXPECT_FALSE(TKey(2, MAJOR) == TKey(2, MINOR));
    TKey k(2, MAJOR);
    k.setMode(MINOR);
    EXPECT_EQ(k.pitches(), TKey(2, MINOR).pitches());
    // a signature beyond seven still gives a table without reading past the accidental lists
    EXPECT_EQ(TKey(9, MAJOR).accidentalFor(3, ALTERATION_RAISE), ACCIDENTAL_DOUBLE_SHARP);
}

// Every key of both lists against the scale as a musician spells it: the natural letter of a
// position (its C major sound) moved by the signature's sharp or flat and, in minor, by the
// raised leading tone.
TEST(KeyTest, AllThirtyKeysAgainstTheirSpelling) {
    // letters C = 0 .. B = 6; the major tonic of -7 (C flat) .. 7 (C sharp) signs
    const std::array<int, 15> majorTonic = {0, 4, 1, 5, 2, 6, 3, 0, 4, 1, 5, 2, 6, 3, 0};
    const std::array<int, 7> sharpOrder = {3, 0, 4, 1, 5, 2, 6};  // F C G D A E B
    const std::array<int, 7> flatOrder = {6, 2, 5, 1, 4, 0, 3};   // B E A D G C F
    const TKey cMajor(0, MAJOR);
    for (int signs = -7; signs <= 7; ++signs)
        for (uint8_t mode : {MAJOR, MINOR}) {
            SCOPED_TRACE(testing::Message() << "signs " << signs << " mode " << int(mode));
            std::array<int, 7> signature{};
            for (int i = 0; i < std::abs(signs); ++i) {
                if (signs > 0)
                    ++signature[static_cast<size_t>(sharpOrder[static_cast<size_t>(i)])];
                else
                    --signature[static_cast<size_t>(flatOrder[static_cast<size_t>(i)])];
            }
            int tonic = majorTonic[static_cast<size_t>(signs + 7)];
            if (mode == MINOR)
                tonic = (tonic + 5) % 7;  // the relative minor, two letters lower
            const int leadingTone = (tonic + 6) % 7;
            const TKey key(signs, mode);
            EXPECT_EQ(key.firstDegree(), (1 - tonic + 7) % 7 + 1);
            for (int p = 0; p < PITCH_COUNT; ++p) {
                SCOPED_TRACE(p);
                const int letter = (p + 1) % 7;
                const int sign = signature[static_cast<size_t>(letter)];
                const int raised = mode == MINOR && letter == leadingTone ? 1 : 0;
                EXPECT_EQ(key.pitch(p), cMajor.pitch(p) + sign + raised);
                EXPECT_EQ(key.degreeOf(p), (letter - tonic + 7) % 7 + 1);
                EXPECT_EQ(key.isRaisedSeventh(p), raised == 1);
                const int up = sign == 0
                                   ? ACCIDENTAL_SHARP
                                   : (sign > 0 ? ACCIDENTAL_DOUBLE_SHARP : ACCIDENTAL_NATURAL);
                const int down = sign == 0
                                     ? ACCIDENTAL_FLAT
                                     : (sign > 0 ? ACCIDENTAL_NATURAL : ACCIDENTAL_DOUBLE_FLAT);
                EXPECT_EQ(key.accidentalFor(p, ALTERATION_RAISE), up);
                EXPECT_EQ(key.accidentalFor(p, ALTERATION_LOWER), down);
                for (int other : {0, 2, 4, 5, -1})
                    EXPECT_EQ(key.accidentalFor(p, other), ACCIDENTAL_NONE);
            }
            EXPECT_EQ(key, TKey(signs, mode));
            EXPECT_FALSE(key == TKey(signs, mode == MAJOR ? MINOR : MAJOR));
            // copies and the setters rebuild the same table
            TKey built(0, MAJOR);
            built.setSigns(signs);
            built.setMode(mode);
            EXPECT_EQ(built.pitches(), key.pitches());
            EXPECT_EQ(built.firstDegree(), key.firstDegree());
            TKey assigned;
            assigned = key;
            EXPECT_EQ(assigned.pitches(), key.pitches());
        }
}

TEST(KeyTest, DegreeColoursOfEveryDegree) {
    const std::array<TRgb, 7> colours = {0x00FFFF, 0x42BB91, 0x81E8FE, 0x68FE43,
                                         0x1DD7FE, 0xADDB9D, 0xFA8FC2};
    for (const TKey& key : {TKey(0, MAJOR), TKey(-6, MINOR), TKey(5, MAJOR)})
        for (int p = 0; p < PITCH_COUNT; ++p) {
            SCOPED_TRACE(testing::Message() << "signs " << key.signs() << " p " << p);
            EXPECT_EQ(key.degreeColour(p), colours[static_cast<size_t>(key.degreeOf(p) - 1)]);
        }
    // E-flat minor: position 1 is the tonic E flat, position 0 the leading tone D
    EXPECT_EQ(TKey(-6, MINOR).degreeColour(1), 0x00FFFFu);
    EXPECT_EQ(TKey(-6, MINOR).degreeColour(0), 0xFA8FC2u);
}

TEST(MeasureTest, LengthsBarLinesAndWidth) {
    const TMeasure m38(3, 60);
    EXPECT_EQ(m38.measureLength(), 180);
    EXPECT_TRUE(m38.isMeasureStart(360));
    EXPECT_FALSE(m38.isMeasureStart(200));
    EXPECT_EQ(m38.displayWidth(), 157);
    const TMeasure def;
    EXPECT_EQ(def.measureLength(), 240);
    EXPECT_EQ(def.displayWidth(), 4 * 2 * 23 + 19);
    EXPECT_TRUE(def.isMeasureStart(0));
    EXPECT_TRUE(def.isMeasureStart(480));
    EXPECT_FALSE(def.isMeasureStart(450));
    EXPECT_EQ(TMeasure(3, 120).measureLength(), 360);
    EXPECT_FALSE(TMeasure(0, 120).isMeasureStart(0));
}

TEST(TempoTest, CategoriesQuarterLengthAndAnacrusis) {
    EXPECT_EQ(tempoCategory(145), 6);
    EXPECT_EQ(tempoCategory(54), 0);
    EXPECT_EQ(tempoCategory(100), 3);
    for (size_t c = 0; c < TEMPO_CATEGORY_VALUES.size(); ++c)
        EXPECT_EQ(tempoCategory(TEMPO_CATEGORY_VALUES[c]), int(c));
    // a category spans fifteen values centred on the value it sets
    EXPECT_EQ(tempoCategory(50), 0);
    EXPECT_EQ(tempoCategory(62), 0);
    EXPECT_EQ(tempoCategory(63), 1);
    EXPECT_EQ(tempoCategory(137), 5);
    EXPECT_EQ(tempoCategory(138), 6);
    EXPECT_EQ(tempoCategory(150), 6);
    EXPECT_EQ(quarterMilliseconds(100), 800);
    EXPECT_EQ(quarterMilliseconds(150), 400);
    // a metronome mark back to the tempo: the nearest one, within the slider's range
    for (const int32_t tempo : {50, 55, 100, 131, 150})
        EXPECT_EQ(tempoForQuartersPerMinute(60000.0 / quarterMilliseconds(tempo)), tempo);
    EXPECT_EQ(tempoForQuartersPerMinute(75.4), 101);  // 200 - 99.47, to the nearest
    EXPECT_EQ(tempoForQuartersPerMinute(300), MAX_TEMPO);
    EXPECT_EQ(tempoForQuartersPerMinute(20), MIN_TEMPO);
    EXPECT_EQ(tempoForQuartersPerMinute(0), MIN_TEMPO);
    EXPECT_EQ(anacrusisFor(TMotiveType::IAMBUS, 3, 240), 120);
    EXPECT_EQ(anacrusisFor(TMotiveType::AMPHIBRACHYS, 1, 240), 60);
    EXPECT_EQ(anacrusisFor(TMotiveType::TROCHEE, 4, 240), 0);
}
