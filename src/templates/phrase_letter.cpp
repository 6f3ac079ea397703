#include "templates/phrase_letter.h"

namespace {

const char* const LETTER_NAMES[PHRASE_LETTER_CODE_COUNT] = {
    "", "1", "2", "3", "4", "A", "B", "C", "D", "E", "A1", "B1", "C1", "D1", "E1", "A2",
};

}  // namespace

std::string phraseLetterName(int code) {
    // a code read from a damaged file must not index past the table
    if (code < 0 || code >= PHRASE_LETTER_CODE_COUNT) {
        return std::string();
    }
    return LETTER_NAMES[code];
}
