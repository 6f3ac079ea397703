#pragma once

#include <string>
#include <utility>
#include <vector>

#include "templates/phrase_letter.h"

// A letter scheme such as A + B + B1 + A1; applied to a period it letters the phrases in turn,
// starting over after its last letter.
class TRawLetterScheme {
  public:
    TRawLetterScheme() = default;
    explicit TRawLetterScheme(std::vector<PHRASE_LETTER> letters) : letters(std::move(letters)) {}

    // The letter names joined by " + ".
    std::string caption() const;

    bool operator==(const TRawLetterScheme& other) const { return letters == other.letters; }

    // The five built-in schemes, in the order the choice list shows them.
    static std::vector<TRawLetterScheme> builtInSchemes();

    std::vector<PHRASE_LETTER> letters;
};

// The new-composition dialog opens with the fourth scheme, A + B + B1 + A1.
constexpr int DEFAULT_LETTER_SCHEME_INDEX = 3;
