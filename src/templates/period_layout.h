#pragma once

#include <cstdint>
#include <type_traits>
#include <vector>

#include "model/duration.h"
#include "model/key.h"
#include "model/measure.h"
#include "model/period_data.h"
#include "templates/phrase_letter.h"
#include "templates/raw_period_data.h"

class TMessageBundle;

static_assert(std::is_same_v<PHRASE_LETTER, COLORED_BOX_SUFFIX>,
              "a shape's letters go into the period unchanged");

// The three flat lists that carry a period's shape between the shape editor and the period:
// phrases per sentence, then motive count and letter of every phrase in period order.
class TPeriodLayout {
  public:
    TPeriodLayout() = default;
    TPeriodLayout(std::vector<int> phrasesPerSentence, std::vector<int> motivesPerPhrase,
                  std::vector<COLORED_BOX_SUFFIX> phraseLetters);

    // What the New command takes from the edited shape.
    static TPeriodLayout fromRaw(const TRawPeriodData& shape);
    // The shape of an existing composition, counting the motives each phrase really holds.
    static TPeriodLayout fromPeriod(const TPeriodData& period);

    // A shape for the structure text and the shape editor; both selections start at the first
    // sentence and phrase.
    TRawPeriodData toRaw(const TMessageBundle* bundle) const;

    // Rebuilds the whole period from the lists; the period tells its listener of the tempo, the
    // name "Untitled" and the new structure, in that order.
    void buildPeriod(TPeriodData& period, const TKey& key, const TMeasure& measure,
                     DURATION anacrusis, int32_t tempo) const;

    bool operator==(const TPeriodLayout& other) const = default;

    std::vector<int> phrasesPerSentence;
    std::vector<int> motivesPerPhrase;
    std::vector<COLORED_BOX_SUFFIX> phraseLetters;
};
