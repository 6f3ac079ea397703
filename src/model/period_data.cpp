#include "model/period_data.h"

TPhraseData::TPhraseData(int32_t motiveCount, COLORED_BOX_SUFFIX letter, const TKey& key,
                         const TMeasure& measure, DURATION anacrusis)
    : motiveCount(motiveCount > 0 ? motiveCount : 0), letter(letter) {
    // the count always equals the motives held, so a negative count gives an empty phrase
    for (int32_t i = 0; i < this->motiveCount; ++i)
        motives.emplace_back(key, measure, anacrusis);
}

void TPeriodData::buildFromLayout(const std::vector<int>& phrasesPerSentence,
                                  const std::vector<int>& motivesPerPhrase,
                                  const std::vector<COLORED_BOX_SUFFIX>& phraseLetters,
                                  const TKey& key, const TMeasure& measure, DURATION anacrusis,
                                  int32_t tempo) {
    clearSentences();
    size_t phraseIndex = 0;
    for (int count : phrasesPerSentence) {
        TSentenceData sentence;
        for (int i = 0; i < count; ++i, ++phraseIndex) {
            // a layout shorter than its sentences asks for gives empty, unlettered phrases
            const int32_t motives =
                phraseIndex < motivesPerPhrase.size() ? motivesPerPhrase[phraseIndex] : 0;
            const COLORED_BOX_SUFFIX letter =
                phraseIndex < phraseLetters.size() ? phraseLetters[phraseIndex] : 0;
            sentence.phrases.emplace_back(motives, letter, key, measure, anacrusis);
        }
        sentences.push_back(std::move(sentence));
    }
    this->key = key;
    this->measure = measure;
    this->anacrusis = anacrusis;
    setTempo(tempo);
    setName("Untitled");
    notifyChanged();
}

void TPeriodData::setTempo(int32_t value) {
    tempo_ = value;
    if (listener_)
        listener_->tempoChanged(value);
}

void TPeriodData::setName(const std::string& text) {
    name_ = text;
    if (listener_)
        listener_->nameChanged(name_);
}

void TPeriodData::notifyChanged() {
    if (listener_)
        listener_->periodChanged();
}

std::vector<TMotiveAddress> TPeriodData::motiveAddresses() const {
    std::vector<TMotiveAddress> result;
    for (size_t s = 0; s < sentences.size(); ++s)
        for (size_t p = 0; p < sentences[s].phrases.size(); ++p)
            for (size_t m = 0; m < sentences[s].phrases[p].motives.size(); ++m)
                result.push_back({s, p, m});
    return result;
}

size_t TPeriodData::motiveCount() const {
    size_t n = 0;
    for (const TSentenceData& s : sentences)
        for (const TPhraseData& p : s.phrases)
            n += p.motives.size();
    return n;
}
