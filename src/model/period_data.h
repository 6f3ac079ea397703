#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/duration.h"
#include "model/key.h"
#include "model/measure.h"
#include "model/motive.h"
#include "model/tempo.h"

// The main window hears of the period through these, in this order of slots.
class TPeriodDataListener {
  public:
    virtual ~TPeriodDataListener() = default;
    virtual void periodChanged() = 0;
    virtual void tempoChanged(int32_t tempo) = 0;
    virtual void nameChanged(const std::string& name) = 0;
};

// Phrase letter codes: 0 none, 5 "A" .. 15 "A2".
using COLORED_BOX_SUFFIX = uint8_t;

// A phrase: its letter and its motives, by value.
class TPhraseData {
  public:
    TPhraseData() = default;
    TPhraseData(int32_t motiveCount, COLORED_BOX_SUFFIX letter, const TKey& key,
                const TMeasure& measure, DURATION anacrusis);

    int32_t motiveCount = 0;
    COLORED_BOX_SUFFIX letter = 0;
    std::vector<TMotive> motives;
};

class TSentenceData {
  public:
    std::vector<TPhraseData> phrases;
};

// The address of a motive in period order.
struct TMotiveAddress {
    size_t sentence = 0;
    size_t phrase = 0;
    size_t motive = 0;
    bool operator==(const TMotiveAddress&) const = default;
};

// A composition: sentences of phrases of motives, and what every motive shares.
class TPeriodData {
  public:
    TPeriodData() = default;
    // A copy has no listener.
    TPeriodData(const TPeriodData& other)
        : sentences(other.sentences),
          key(other.key),
          measure(other.measure),
          anacrusis(other.anacrusis),
          tempo_(other.tempo_),
          name_(other.name_) {}
    // Assignment keeps the target's listener and does not notify.
    TPeriodData& operator=(const TPeriodData& other) {
        if (this != &other) {
            sentences = other.sentences;
            key = other.key;
            measure = other.measure;
            anacrusis = other.anacrusis;
            tempo_ = other.tempo_;
            name_ = other.name_;
        }
        return *this;
    }

    void clearSentences() { sentences.clear(); }

    // Builds the whole structure: phrasesPerSentence[i] phrases in sentence i; the j-th phrase
    // overall gets motivesPerPhrase[j] motives and the letter phraseLetters[j].
    void buildFromLayout(const std::vector<int>& phrasesPerSentence,
                         const std::vector<int>& motivesPerPhrase,
                         const std::vector<COLORED_BOX_SUFFIX>& phraseLetters, const TKey& key,
                         const TMeasure& measure, DURATION anacrusis, int32_t tempo);

    int32_t tempo() const { return tempo_; }
    void setTempo(int32_t value);
    const std::string& name() const { return name_; }
    void setName(const std::string& text);
    void notifyChanged();

    void setListener(TPeriodDataListener* l) { listener_ = l; }
    TPeriodDataListener* listener() const { return listener_; }

    // Motives in period order: sentence by sentence, phrase by phrase.
    std::vector<TMotiveAddress> motiveAddresses() const;
    size_t motiveCount() const;
    TMotive& motiveAt(const TMotiveAddress& a) {
        return sentences.at(a.sentence).phrases.at(a.phrase).motives.at(a.motive);
    }
    const TMotive& motiveAt(const TMotiveAddress& a) const {
        return sentences.at(a.sentence).phrases.at(a.phrase).motives.at(a.motive);
    }

    std::vector<TSentenceData> sentences;
    TKey key;
    TMeasure measure;
    DURATION anacrusis = 0;

  private:
    int32_t tempo_ = DEFAULT_TEMPO;
    std::string name_ = "Untitled";
    TPeriodDataListener* listener_ = nullptr;
};
