#include "model/key.h"

#include <gtest/gtest.h>

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

TEST(MeasureTest, LengthsBarLinesAndWidth) {
    const TMeasure m38(3, 60);
    EXPECT_EQ(m38.measureLength(), 180);
    EXPECT_TRUE(m38.isMeasureStart(360));
    EXPECT_FALSE(m38.isMeasureStart(200));
    EXPECT_EQ(m38.displayWidth(), 157);
    const TMeasure def;
    EXPECT_EQ(def.measureLength(), 240);
    EXPECT_FALSE(TMeasure(0, 120).isMeasureStart(0));
}

TEST(TempoTest, CategoriesQuarterLengthAndAnacrusis) {
    EXPECT_EQ(tempoCategory(145), 6);
    EXPECT_EQ(tempoCategory(54), 0);
    EXPECT_EQ(tempoCategory(100), 3);
    for (size_t c = 0; c < TEMPO_CATEGORY_VALUES.size(); ++c)
        EXPECT_EQ(tempoCategory(TEMPO_CATEGORY_VALUES[c]), int(c));
    EXPECT_EQ(quarterMilliseconds(100), 800);
    EXPECT_EQ(anacrusisFor(TMotiveType::IAMBUS, 3, 240), 120);
    EXPECT_EQ(anacrusisFor(TMotiveType::AMPHIBRACHYS, 1, 240), 60);
    EXPECT_EQ(anacrusisFor(TMotiveType::TROCHEE, 4, 240), 0);
}
