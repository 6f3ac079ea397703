#include "model/pitch_spelling.h"

#include <gtest/gtest.h>

TEST(PitchSpellingTest, PositionsAreNamedInTheKeysSpelling) {
    const TKey cMajor(0, MAJOR);
    // position 0 is a D; middle C is position 20
    EXPECT_EQ(pitchName(0, cMajor), "D1");
    EXPECT_EQ(pitchName(20, cMajor), "C4");
    EXPECT_EQ(pitchName(21, cMajor), "D4");
    EXPECT_EQ(pitchName(26, cMajor), "B4");
    EXPECT_EQ(pitchName(27, cMajor), "C5");
    EXPECT_EQ(pitchName(34, cMajor), "C6");
    EXPECT_EQ(spellPitch(27, cMajor), (TPitchSpelling{0, 5, 0}));

    // G minor, the default composition's key: two flats and the raised F
    const TKey gMinor(-2, MINOR);
    EXPECT_EQ(pitchName(21, gMinor), "D4");
    EXPECT_EQ(pitchName(22, gMinor), "E\u266D4");
    EXPECT_EQ(pitchName(23, gMinor), "F\u266F4");
    EXPECT_EQ(pitchName(26, gMinor), "B\u266D4");
    EXPECT_EQ(spellPitch(23, gMinor), (TPitchSpelling{3, 4, 1}));

    // G sharp minor's raised seventh is an F double sharp
    const TKey gSharpMinor(5, MINOR);
    EXPECT_EQ(pitchName(23, gSharpMinor), "F\u266F\u266F4");
    EXPECT_EQ(pitchName(24, gSharpMinor), "G\u266F4");
    // seven flats
    EXPECT_EQ(pitchName(20, TKey(-7, MAJOR)), "C\u266D4");
}
