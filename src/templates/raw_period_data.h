#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "templates/phrase_letter.h"
#include "templates/raw_letter_scheme.h"
#include "templates/raw_phrase.h"

class TMessageBundle;

// Told of every edit of a period shape, in this order of slots; the listener reads the shape
// back.
class TRawPeriodDataListener {
  public:
    virtual ~TRawPeriodDataListener() = default;
    // sentences were added, removed, reordered or replaced
    virtual void structureChanged() = 0;
    // a phrase was added, removed, reordered or re-lettered, or its motive count changed
    virtual void phrasesChanged() = 0;
    virtual void sentenceSelected() = 0;
    virtual void phraseSelected() = 0;
};

// The shape editor keeps a period within these limits.
constexpr int MAX_SENTENCES = 4;
constexpr int MAX_PHRASES_PER_SENTENCE = 4;
constexpr int MAX_MOTIVES_PER_PHRASE = 4;

// The shape of a period before it exists: sentences of phrases, each with a motive count and a
// letter, plus the sentence and phrase the editor has selected (-1 when none). The built-in
// templates are values of this type as well.
class TRawPeriodData {
  public:
    using TSentence = std::vector<TRawPhrase>;

    // The default shape: two sentences of two two-motive phrases lettered A, B, B1, A1.
    explicit TRawPeriodData(const TMessageBundle* bundle);
    // Sentence i takes the next phrasesPerSentence[i] entries of the two flat lists; an empty
    // letter list leaves every phrase without letter. Entries missing from a short list read as
    // 0 and negative counts as 0.
    TRawPeriodData(const std::vector<int>& phrasesPerSentence,
                   const std::vector<int>& motivesPerPhrase,
                   const std::vector<PHRASE_LETTER>& phraseLetters, const TMessageBundle* bundle);

    // A copy has no listener; assignment keeps the target's listener and tells it nothing.
    TRawPeriodData(const TRawPeriodData& other);
    TRawPeriodData& operator=(const TRawPeriodData& other);

    // The seven built-in templates, in the order the template list shows them; none has letters.
    static std::vector<TRawPeriodData> builtInTemplates(const TMessageBundle* bundle);

    // "(Sentence-1 (PHRASE-A (2) + PHRASE-B (2))) + (Sentence-2 (...))" with the English texts.
    std::string structureText() const;

    // The flat lists, in period order, from which the period itself is built.
    std::vector<int> phrasesPerSentence() const;
    std::vector<int> motivesPerPhrase() const;
    std::vector<PHRASE_LETTER> phraseLetters() const;

    const TMessageBundle* bundle() const { return bundle_; }
    const std::vector<TSentence>& sentences() const { return sentences_; }
    int32_t selectedSentence() const { return selectedSentence_; }
    int32_t selectedPhrase() const { return selectedPhrase_; }
    // The phrase at both selections, or null when either is -1.
    const TRawPhrase* selectedRawPhrase() const;
    int phraseCount() const;

    TRawPeriodDataListener* listener() const { return listener_; }
    void setListener(TRawPeriodDataListener* listener) { listener_ = listener; }

    // Edits. Each ends with one notification; an edit whose selection or neighbour is missing
    // does nothing and tells nobody.
    void assignTemplate(const TRawPeriodData& t);
    void selectSentence(int32_t i);
    void selectPhrase(int32_t j);
    void setPhraseLetter(int code);
    void setPhraseMotiveCount(int32_t n);
    void addSentence();
    void deleteSentence();
    void moveSentenceUp();
    void moveSentenceDown();
    void addPhrase();
    void deletePhrase();
    void movePhraseUp();
    void movePhraseDown();
    void applyLetterScheme(const TRawLetterScheme& s);

    // Shapes are alike when their sentences and selections agree.
    bool operator==(const TRawPeriodData& other) const {
        return sentences_ == other.sentences_ && selectedSentence_ == other.selectedSentence_ &&
               selectedPhrase_ == other.selectedPhrase_;
    }

  private:
    bool hasSelectedSentence() const;
    bool hasSelectedPhrase() const;
    TRawPhrase newPhrase() const;
    // A fresh shape selects its first sentence and phrase; a shape without them selects nothing.
    void selectFirst();

    void notifyStructureChanged();
    void notifyPhrasesChanged();
    void notifySentenceSelected();
    void notifyPhraseSelected();

    const TMessageBundle* bundle_ = nullptr;
    std::vector<TSentence> sentences_;
    int32_t selectedSentence_ = 0;
    int32_t selectedPhrase_ = 0;
    TRawPeriodDataListener* listener_ = nullptr;
};
