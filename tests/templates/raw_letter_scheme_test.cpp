#include "templates/raw_letter_scheme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RawLetterSchemeTest, BuiltInSchemes) {
    const std::vector<TRawLetterScheme> schemes = TRawLetterScheme::builtInSchemes();
    ASSERT_EQ(schemes.size(), 5u);
    const std::vector<std::vector<PHRASE_LETTER>> codes = {
        {5, 10, 15, 6}, {5, 6, 5, 6}, {5, 6, 7, 11}, {5, 6, 11, 10}, {5, 6, 11, 7}};
    const std::vector<std::string> captions = {"A + A1 + A2 + B", "A + B + A + B", "A + B + C + B1",
                                               "A + B + B1 + A1", "A + B + B1 + C"};
    for (size_t i = 0; i < schemes.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(schemes[i].letters, codes[i]);
        EXPECT_EQ(schemes[i].caption(), captions[i]);
    }
    EXPECT_EQ(schemes[DEFAULT_LETTER_SCHEME_INDEX].caption(), "A + B + B1 + A1");
}

TEST(RawLetterSchemeTest, CaptionOfAnyLength) {
    EXPECT_EQ(TRawLetterScheme({PHRASE_LETTER_D1}).caption(), "D1");
    EXPECT_EQ(TRawLetterScheme({PHRASE_LETTER_E, PHRASE_LETTER_C1}).caption(), "E + C1");
    EXPECT_EQ(TRawLetterScheme().caption(), "");
    EXPECT_EQ(TRawLetterScheme({5, 6}), TRawLetterScheme({5, 6}));
    EXPECT_FALSE(TRawLetterScheme({5, 6}) == TRawLetterScheme({6, 5}));
}

}  // namespace
