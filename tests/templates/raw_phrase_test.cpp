#include "templates/raw_phrase.h"

#include <gtest/gtest.h>

#include "help/eng_message_bundle.h"
#include "help/rus_message_bundle.h"

namespace {

TEST(RawPhraseTest, Caption) {
    TEngMessageBundle english;
    EXPECT_EQ(TRawPhrase(&english, PHRASE_LETTER_A, 2).caption(), "Phrase-A (2)");
    EXPECT_EQ(TRawPhrase(&english, NO_PHRASE_LETTER, 2).caption(), "Phrase- (2)");
    EXPECT_EQ(TRawPhrase(&english, PHRASE_LETTER_A2, 4).caption(), "Phrase-A2 (4)");
    EXPECT_EQ(TRawPhrase(&english, PHRASE_LETTER_E1, 12).caption(), "Phrase-E1 (12)");

    SCOPED_TRACE("the word comes from the bundle");
    // the Russian texts lack "phrase small", so only the letter and count remain
    TRusMessageBundle russian;
    EXPECT_EQ(TRawPhrase(&russian, PHRASE_LETTER_B, 3).caption(), "-B (3)");
    EXPECT_EQ(TRawPhrase(nullptr, PHRASE_LETTER_C, 1).caption(), "-C (1)");
}

TEST(RawPhraseTest, DefaultsAndEquality) {
    TRawPhrase phrase;
    EXPECT_EQ(phrase.bundle, nullptr);
    EXPECT_EQ(phrase.letter, NO_PHRASE_LETTER);
    EXPECT_EQ(phrase.motiveCount, 0);

    TEngMessageBundle english;
    EXPECT_EQ(TRawPhrase(&english, PHRASE_LETTER_A, 2), TRawPhrase(nullptr, PHRASE_LETTER_A, 2));
    EXPECT_FALSE(TRawPhrase(&english, PHRASE_LETTER_A, 2) ==
                 TRawPhrase(&english, PHRASE_LETTER_A, 3));
    EXPECT_FALSE(TRawPhrase(&english, PHRASE_LETTER_A, 2) ==
                 TRawPhrase(&english, PHRASE_LETTER_B, 2));
}

}  // namespace
