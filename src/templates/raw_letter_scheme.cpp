#include "templates/raw_letter_scheme.h"

std::string TRawLetterScheme::caption() const {
    std::string result;
    for (size_t i = 0; i < letters.size(); ++i) {
        if (i != 0) {
            result += " + ";
        }
        result += phraseLetterName(letters[i]);
    }
    return result;
}

std::vector<TRawLetterScheme> TRawLetterScheme::builtInSchemes() {
    return {
        TRawLetterScheme({PHRASE_LETTER_A, PHRASE_LETTER_A1, PHRASE_LETTER_A2, PHRASE_LETTER_B}),
        TRawLetterScheme({PHRASE_LETTER_A, PHRASE_LETTER_B, PHRASE_LETTER_A, PHRASE_LETTER_B}),
        TRawLetterScheme({PHRASE_LETTER_A, PHRASE_LETTER_B, PHRASE_LETTER_C, PHRASE_LETTER_B1}),
        TRawLetterScheme({PHRASE_LETTER_A, PHRASE_LETTER_B, PHRASE_LETTER_B1, PHRASE_LETTER_A1}),
        TRawLetterScheme({PHRASE_LETTER_A, PHRASE_LETTER_B, PHRASE_LETTER_B1, PHRASE_LETTER_C}),
    };
}
