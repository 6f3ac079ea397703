#include "templates/phrase_letter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(PhraseLetterTest, NamesOfEveryCode) {
    const std::vector<std::string> names = {"",  "1", "2",  "3",  "4",  "A",  "B",  "C",
                                            "D", "E", "A1", "B1", "C1", "D1", "E1", "A2"};
    for (int code = 0; code < PHRASE_LETTER_CODE_COUNT; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(phraseLetterName(code), names[static_cast<size_t>(code)]);
    }
    EXPECT_EQ(phraseLetterName(PHRASE_LETTER_B1), "B1");
    EXPECT_EQ(phraseLetterName(FIRST_USER_PHRASE_LETTER), "A");
    EXPECT_EQ(phraseLetterName(LAST_USER_PHRASE_LETTER), "A2");
    EXPECT_EQ(LAST_USER_PHRASE_LETTER - FIRST_USER_PHRASE_LETTER + 1, 11);
}

TEST(PhraseLetterTest, UnknownCodesHaveNoName) {
    EXPECT_EQ(phraseLetterName(-1), "");
    EXPECT_EQ(phraseLetterName(16), "");
    EXPECT_EQ(phraseLetterName(255), "");
}

}  // namespace
