#include "model/key_names.h"

#include <gtest/gtest.h>

#include "model/pitch_spelling.h"

TEST(KeyNames, NameTheKeyAndWhatItsSignatureHolds) {
    EXPECT_EQ(keyName(TKey(0, MAJOR)), "C major");
    EXPECT_EQ(keyName(TKey(-2, MINOR)), "G minor");
    EXPECT_EQ(keyName(TKey(7, MINOR)), "A♯ minor");
    EXPECT_EQ(keyName(TKey(-7, MAJOR)), "C♭ major");
    EXPECT_EQ(signatureText(0), "no sharps or flats");
    EXPECT_EQ(signatureText(1), "1 sharp");
    EXPECT_EQ(signatureText(-3), "3 flats");
    // a spelling as a file wrote it, double accidentals included
    EXPECT_EQ(spelledName({3, 4, 2}), "F♯♯4");
    EXPECT_EQ(spelledName({6, 3, -1}), "B♭3");
}
