#include "templates/raw_period_data.h"

#include <algorithm>
#include <utility>

#include "help/message_bundle.h"

namespace {

// What "Add" puts into a sentence: a two-motive phrase lettered "A".
constexpr int32_t NEW_PHRASE_MOTIVE_COUNT = 2;
constexpr PHRASE_LETTER NEW_PHRASE_LETTER = PHRASE_LETTER_A;

int entryOrZero(const std::vector<int>& list, size_t index) {
    return index < list.size() ? std::max(list[index], 0) : 0;
}

std::string bundleText(const TMessageBundle* bundle, const char* key) {
    return bundle != nullptr ? bundle->text(key) : std::string();
}

}  // namespace

TRawPeriodData::TRawPeriodData(const TMessageBundle* bundle)
    : TRawPeriodData({2, 2}, {2, 2, 2, 2},
                     {PHRASE_LETTER_A, PHRASE_LETTER_B, PHRASE_LETTER_B1, PHRASE_LETTER_A1},
                     bundle) {}

TRawPeriodData::TRawPeriodData(const std::vector<int>& phrasesPerSentence,
                               const std::vector<int>& motivesPerPhrase,
                               const std::vector<PHRASE_LETTER>& phraseLetters,
                               const TMessageBundle* bundle)
    : bundle_(bundle) {
    size_t phraseIndex = 0;
    for (size_t i = 0; i < phrasesPerSentence.size(); ++i) {
        const int phraseCount = entryOrZero(phrasesPerSentence, i);
        TSentence sentence;
        sentence.reserve(static_cast<size_t>(phraseCount));
        for (int j = 0; j < phraseCount; ++j, ++phraseIndex) {
            const PHRASE_LETTER letter =
                phraseIndex < phraseLetters.size() ? phraseLetters[phraseIndex] : NO_PHRASE_LETTER;
            sentence.emplace_back(bundle, letter, entryOrZero(motivesPerPhrase, phraseIndex));
        }
        sentences_.push_back(std::move(sentence));
    }
    selectFirst();
}

TRawPeriodData::TRawPeriodData(const TRawPeriodData& other)
    : bundle_(other.bundle_),
      sentences_(other.sentences_),
      selectedSentence_(other.selectedSentence_),
      selectedPhrase_(other.selectedPhrase_) {}

TRawPeriodData& TRawPeriodData::operator=(const TRawPeriodData& other) {
    if (this != &other) {
        bundle_ = other.bundle_;
        sentences_ = other.sentences_;
        selectedSentence_ = other.selectedSentence_;
        selectedPhrase_ = other.selectedPhrase_;
    }
    return *this;
}

std::vector<TRawPeriodData> TRawPeriodData::builtInTemplates(const TMessageBundle* bundle) {
    return {
        TRawPeriodData({2, 2}, {2, 2, 2, 2}, {}, bundle),
        TRawPeriodData({2, 2}, {4, 4, 4, 4}, {}, bundle),
        TRawPeriodData({2, 2}, {3, 2, 2, 3}, {}, bundle),
        TRawPeriodData({3, 3}, {3, 2, 3, 3, 2, 3}, {}, bundle),
        TRawPeriodData({2}, {2, 2}, {}, bundle),
        TRawPeriodData({2}, {4, 4}, {}, bundle),
        TRawPeriodData({3}, {3, 2, 3}, {}, bundle),
    };
}

std::string TRawPeriodData::structureText() const {
    const std::string sentenceWord = bundleText(bundle_, "sentence");
    const std::string phraseWord = bundleText(bundle_, "phrase big");
    std::string result;
    for (size_t i = 0; i < sentences_.size(); ++i) {
        if (i != 0) {
            result += " + ";
        }
        result += "(" + sentenceWord + "-" + std::to_string(i + 1) + " (";
        const TSentence& sentence = sentences_[i];
        for (size_t j = 0; j < sentence.size(); ++j) {
            if (j != 0) {
                result += " + ";
            }
            const TRawPhrase& phrase = sentence[j];
            // an unlettered phrase is named by its place in the sentence
            const std::string name = phrase.letter != NO_PHRASE_LETTER
                                         ? phraseLetterName(phrase.letter)
                                         : std::to_string(j + 1);
            result += phraseWord + "-" + name + " (" + std::to_string(phrase.motiveCount) + ")";
        }
        result += "))";
    }
    return result;
}

std::vector<int> TRawPeriodData::phrasesPerSentence() const {
    std::vector<int> result;
    result.reserve(sentences_.size());
    for (const TSentence& sentence : sentences_) {
        result.push_back(static_cast<int>(sentence.size()));
    }
    return result;
}

std::vector<int> TRawPeriodData::motivesPerPhrase() const {
    std::vector<int> result;
    for (const TSentence& sentence : sentences_) {
        for (const TRawPhrase& phrase : sentence) {
            result.push_back(phrase.motiveCount);
        }
    }
    return result;
}

std::vector<PHRASE_LETTER> TRawPeriodData::phraseLetters() const {
    std::vector<PHRASE_LETTER> result;
    for (const TSentence& sentence : sentences_) {
        for (const TRawPhrase& phrase : sentence) {
            result.push_back(phrase.letter);
        }
    }
    return result;
}

const TRawPhrase* TRawPeriodData::selectedRawPhrase() const {
    if (!hasSelectedPhrase()) {
        return nullptr;
    }
    return &sentences_[static_cast<size_t>(selectedSentence_)]
                      [static_cast<size_t>(selectedPhrase_)];
}

int TRawPeriodData::phraseCount() const {
    size_t count = 0;
    for (const TSentence& sentence : sentences_) {
        count += sentence.size();
    }
    return static_cast<int>(count);
}

void TRawPeriodData::assignTemplate(const TRawPeriodData& t) {
    *this = t;
    notifyStructureChanged();
}

void TRawPeriodData::selectSentence(int32_t i) {
    if (i < -1 || i >= static_cast<int32_t>(sentences_.size())) {
        return;
    }
    selectedSentence_ = i;
    // no selected sentence counts as a sentence without phrases
    const int32_t n = i == -1 ? 0 : static_cast<int32_t>(sentences_[static_cast<size_t>(i)].size());
    if (selectedPhrase_ >= n) {
        selectedPhrase_ = n - 1;
    }
    notifySentenceSelected();
}

void TRawPeriodData::selectPhrase(int32_t j) {
    const int32_t n =
        hasSelectedSentence()
            ? static_cast<int32_t>(sentences_[static_cast<size_t>(selectedSentence_)].size())
            : 0;
    if (j < -1 || j >= n) {
        return;
    }
    selectedPhrase_ = j;
    notifyPhraseSelected();
}

void TRawPeriodData::setPhraseLetter(int code) {
    if (!hasSelectedPhrase() || code < 0 || code >= PHRASE_LETTER_CODE_COUNT) {
        return;
    }
    sentences_[static_cast<size_t>(selectedSentence_)][static_cast<size_t>(selectedPhrase_)]
        .letter = static_cast<PHRASE_LETTER>(code);
    notifyPhrasesChanged();
}

void TRawPeriodData::setPhraseMotiveCount(int32_t n) {
    // a phrase needs at least one motive; a negative count would later size a motive list
    if (!hasSelectedPhrase() || n < 1) {
        return;
    }
    sentences_[static_cast<size_t>(selectedSentence_)][static_cast<size_t>(selectedPhrase_)]
        .motiveCount = n;
    notifyPhrasesChanged();
}

void TRawPeriodData::addSentence() {
    sentences_.push_back(TSentence{newPhrase()});
    selectedSentence_ = static_cast<int32_t>(sentences_.size()) - 1;
    selectedPhrase_ = 0;
    notifyStructureChanged();
}

void TRawPeriodData::deleteSentence() {
    if (!hasSelectedSentence()) {
        return;
    }
    sentences_.erase(sentences_.begin() + selectedSentence_);
    if (sentences_.empty()) {
        selectedSentence_ = -1;
        selectedPhrase_ = -1;
    } else {
        selectedSentence_ =
            std::min(selectedSentence_, static_cast<int32_t>(sentences_.size()) - 1);
        selectedPhrase_ = sentences_[static_cast<size_t>(selectedSentence_)].empty() ? -1 : 0;
    }
    notifyStructureChanged();
}

void TRawPeriodData::moveSentenceUp() {
    if (!hasSelectedSentence() || selectedSentence_ == 0) {
        return;
    }
    std::swap(sentences_[static_cast<size_t>(selectedSentence_)],
              sentences_[static_cast<size_t>(selectedSentence_ - 1)]);
    --selectedSentence_;
    notifyStructureChanged();
}

void TRawPeriodData::moveSentenceDown() {
    if (!hasSelectedSentence() ||
        selectedSentence_ + 1 >= static_cast<int32_t>(sentences_.size())) {
        return;
    }
    std::swap(sentences_[static_cast<size_t>(selectedSentence_)],
              sentences_[static_cast<size_t>(selectedSentence_ + 1)]);
    ++selectedSentence_;
    notifyStructureChanged();
}

void TRawPeriodData::addPhrase() {
    if (!hasSelectedSentence()) {
        return;
    }
    TSentence& sentence = sentences_[static_cast<size_t>(selectedSentence_)];
    sentence.push_back(newPhrase());
    selectedPhrase_ = static_cast<int32_t>(sentence.size()) - 1;
    notifyPhrasesChanged();
}

void TRawPeriodData::deletePhrase() {
    if (!hasSelectedPhrase()) {
        return;
    }
    TSentence& sentence = sentences_[static_cast<size_t>(selectedSentence_)];
    sentence.erase(sentence.begin() + selectedPhrase_);
    // min with the new last index gives -1 once the sentence is empty
    selectedPhrase_ = std::min(selectedPhrase_, static_cast<int32_t>(sentence.size()) - 1);
    notifyPhrasesChanged();
}

void TRawPeriodData::movePhraseUp() {
    if (!hasSelectedPhrase() || selectedPhrase_ == 0) {
        return;
    }
    TSentence& sentence = sentences_[static_cast<size_t>(selectedSentence_)];
    std::swap(sentence[static_cast<size_t>(selectedPhrase_)],
              sentence[static_cast<size_t>(selectedPhrase_ - 1)]);
    --selectedPhrase_;
    notifyPhrasesChanged();
}

void TRawPeriodData::movePhraseDown() {
    if (!hasSelectedPhrase()) {
        return;
    }
    TSentence& sentence = sentences_[static_cast<size_t>(selectedSentence_)];
    if (selectedPhrase_ + 1 >= static_cast<int32_t>(sentence.size())) {
        return;
    }
    std::swap(sentence[static_cast<size_t>(selectedPhrase_)],
              sentence[static_cast<size_t>(selectedPhrase_ + 1)]);
    ++selectedPhrase_;
    notifyPhrasesChanged();
}

void TRawPeriodData::applyLetterScheme(const TRawLetterScheme& s) {
    // a scheme without letters has nothing to hand out
    if (s.letters.empty()) {
        return;
    }
    size_t p = 0;
    for (TSentence& sentence : sentences_) {
        for (TRawPhrase& phrase : sentence) {
            phrase.letter = s.letters[p];
            p = (p + 1) % s.letters.size();
        }
    }
    notifyPhrasesChanged();
}

bool TRawPeriodData::hasSelectedSentence() const {
    return selectedSentence_ >= 0 && selectedSentence_ < static_cast<int32_t>(sentences_.size());
}

bool TRawPeriodData::hasSelectedPhrase() const {
    return hasSelectedSentence() && selectedPhrase_ >= 0 &&
           selectedPhrase_ <
               static_cast<int32_t>(sentences_[static_cast<size_t>(selectedSentence_)].size());
}

TRawPhrase TRawPeriodData::newPhrase() const {
    return TRawPhrase(bundle_, NEW_PHRASE_LETTER, NEW_PHRASE_MOTIVE_COUNT);
}

void TRawPeriodData::selectFirst() {
    selectedSentence_ = sentences_.empty() ? -1 : 0;
    selectedPhrase_ = sentences_.empty() || sentences_.front().empty() ? -1 : 0;
}

void TRawPeriodData::notifyStructureChanged() {
    if (listener_ != nullptr) {
        listener_->structureChanged();
    }
}

void TRawPeriodData::notifyPhrasesChanged() {
    if (listener_ != nullptr) {
        listener_->phrasesChanged();
    }
}

void TRawPeriodData::notifySentenceSelected() {
    if (listener_ != nullptr) {
        listener_->sentenceSelected();
    }
}

void TRawPeriodData::notifyPhraseSelected() {
    if (listener_ != nullptr) {
        listener_->phraseSelected();
    }
}
