#pragma once

#include <cstdint>
#include <string>

#include "templates/phrase_letter.h"

class TMessageBundle;

// One phrase of a period shape that is still being edited: its letter and how many motives it
// will hold. The bundle is only used for the caption and is not owned.
class TRawPhrase {
  public:
    TRawPhrase() = default;
    TRawPhrase(const TMessageBundle* bundle, PHRASE_LETTER letter, int32_t motiveCount)
        : bundle(bundle), letter(letter), motiveCount(motiveCount) {}

    // "Phrase-A (2)" with the English texts; a phrase without letter reads "Phrase- (2)".
    std::string caption() const;

    // Two phrases are alike when letter and motive count agree; the bundle only dresses captions.
    bool operator==(const TRawPhrase& other) const {
        return letter == other.letter && motiveCount == other.motiveCount;
    }

    const TMessageBundle* bundle = nullptr;
    PHRASE_LETTER letter = NO_PHRASE_LETTER;
    int32_t motiveCount = 0;
};
