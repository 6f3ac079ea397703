#include "templates/period_layout.h"

#include <utility>

TPeriodLayout::TPeriodLayout(std::vector<int> phrasesPerSentence, std::vector<int> motivesPerPhrase,
                             std::vector<COLORED_BOX_SUFFIX> phraseLetters)
    : phrasesPerSentence(std::move(phrasesPerSentence)),
      motivesPerPhrase(std::move(motivesPerPhrase)),
      phraseLetters(std::move(phraseLetters)) {}

TPeriodLayout TPeriodLayout::fromRaw(const TRawPeriodData& shape) {
    return TPeriodLayout(shape.phrasesPerSentence(), shape.motivesPerPhrase(),
                         shape.phraseLetters());
}

TPeriodLayout TPeriodLayout::fromPeriod(const TPeriodData& period) {
    TPeriodLayout layout;
    for (const TSentenceData& sentence : period.sentences) {
        layout.phrasesPerSentence.push_back(static_cast<int>(sentence.phrases.size()));
        for (const TPhraseData& phrase : sentence.phrases) {
            layout.motivesPerPhrase.push_back(static_cast<int>(phrase.motives.size()));
            layout.phraseLetters.push_back(phrase.letter);
        }
    }
    return layout;
}

TRawPeriodData TPeriodLayout::toRaw(const TMessageBundle* bundle) const {
    return TRawPeriodData(phrasesPerSentence, motivesPerPhrase, phraseLetters, bundle);
}

void TPeriodLayout::buildPeriod(TPeriodData& period, const TKey& key, const TMeasure& measure,
                                DURATION anacrusis, int32_t tempo) const {
    // negative counts would ask the period for a negative number of phrases or motives
    std::vector<int> phrases = phrasesPerSentence;
    for (int& count : phrases) {
        count = count < 0 ? 0 : count;
    }
    std::vector<int> motives = motivesPerPhrase;
    for (int& count : motives) {
        count = count < 0 ? 0 : count;
    }
    period.buildFromLayout(phrases, motives, phraseLetters, key, measure, anacrusis, tempo);
}
