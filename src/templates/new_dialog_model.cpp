#include "templates/new_dialog_model.h"

#include <algorithm>

#include "help/message_bundle.h"

namespace {

template <typename T>
bool inList(const std::vector<T>& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size());
}

}  // namespace

TNewDialogModel::TNewDialogModel(const TMessageBundle& bundle)
    : bundle_(bundle),
      templates_(TRawPeriodData::builtInTemplates(&bundle)),
      letterSchemes_(TRawLetterScheme::builtInSchemes()),
      meters_{TMeasure(2, QUARTER), TMeasure(3, QUARTER), TMeasure(2, EIGHTH), TMeasure(3, EIGHTH)},
      shape_(&bundle) {
    zataktPanel_.setMeasure(meters_[static_cast<size_t>(meterIndex_)]);
}

std::vector<std::string> TNewDialogModel::templateItems() const {
    std::vector<std::string> items;
    for (const TRawPeriodData& t : templates_)
        items.push_back(t.structureText());
    return items;
}

std::vector<std::string> TNewDialogModel::letterSchemeItems() const {
    std::vector<std::string> items;
    for (const TRawLetterScheme& s : letterSchemes_)
        items.push_back(s.caption());
    return items;
}

std::vector<std::string> TNewDialogModel::meterItems() const {
    std::vector<std::string> items;
    for (const TMeasure& m : meters_)
        items.push_back(meterCaption(m));
    return items;
}

std::string TNewDialogModel::meterCaption(const TMeasure& meter) {
    return std::to_string(meter.beatsPerMeasure()) + "/" +
           (meter.beatValue() == EIGHTH ? "8" : "4");
}

std::vector<std::string> TNewDialogModel::motiveCountItems() {
    std::vector<std::string> items;
    for (int n = 1; n <= MAX_MOTIVES_PER_PHRASE; ++n)
        items.push_back(std::to_string(n));
    return items;
}

const std::vector<PHRASE_LETTER>& TNewDialogModel::phraseLetterCodes() {
    static const std::vector<PHRASE_LETTER> codes = [] {
        std::vector<PHRASE_LETTER> all;
        for (int code = FIRST_USER_PHRASE_LETTER; code <= LAST_USER_PHRASE_LETTER; ++code)
            all.push_back(static_cast<PHRASE_LETTER>(code));
        return all;
    }();
    return codes;
}

std::vector<std::string> TNewDialogModel::phraseLetterItems() {
    std::vector<std::string> items;
    for (PHRASE_LETTER code : phraseLetterCodes())
        items.push_back(phraseLetterName(code));
    return items;
}

void TNewDialogModel::chooseLetterScheme(int index) {
    if (!inList(letterSchemes_, index))
        return;
    letterSchemeIndex_ = index;
    applyLetterScheme();
}

void TNewDialogModel::applyLetterScheme() {
    if (inList(letterSchemes_, letterSchemeIndex_))
        shape_.applyLetterScheme(letterSchemes_[static_cast<size_t>(letterSchemeIndex_)]);
}

void TNewDialogModel::chooseTemplate(int index) {
    if (!inList(templates_, index))
        return;
    templateIndex_ = index;
    shape_.assignTemplate(templates_[static_cast<size_t>(index)]);
    shape_.selectSentence(0);
    shape_.selectPhrase(0);
    // a template has no letters of its own: the chosen scheme letters it
    applyLetterScheme();
}

void TNewDialogModel::clickSentence(int index) {
    if (inList(shape_.sentences(), index))
        shape_.selectSentence(index);
}

void TNewDialogModel::clickPhrase(int index) {
    const int s = shape_.selectedSentence();
    if (inList(shape_.sentences(), s) && inList(shape_.sentences()[static_cast<size_t>(s)], index))
        shape_.selectPhrase(index);
}

void TNewDialogModel::addSentence() {
    if (shapeEditorState().addSentenceEnabled)
        shape_.addSentence();
}

void TNewDialogModel::deleteSentence() {
    if (shapeEditorState().deleteSentenceEnabled)
        shape_.deleteSentence();
}

void TNewDialogModel::moveSentenceUp() {
    if (shapeEditorState().moveSentenceUpEnabled)
        shape_.moveSentenceUp();
}

void TNewDialogModel::moveSentenceDown() {
    if (shapeEditorState().moveSentenceDownEnabled)
        shape_.moveSentenceDown();
}

void TNewDialogModel::addPhrase() {
    if (shapeEditorState().addPhraseEnabled)
        shape_.addPhrase();
}

void TNewDialogModel::deletePhrase() {
    if (shapeEditorState().deletePhraseEnabled)
        shape_.deletePhrase();
}

void TNewDialogModel::movePhraseUp() {
    if (shapeEditorState().movePhraseUpEnabled)
        shape_.movePhraseUp();
}

void TNewDialogModel::movePhraseDown() {
    if (shapeEditorState().movePhraseDownEnabled)
        shape_.movePhraseDown();
}

void TNewDialogModel::chooseMotiveCount(int index) {
    if (shape_.selectedRawPhrase() != nullptr && index >= 0 && index < MAX_MOTIVES_PER_PHRASE)
        shape_.setPhraseMotiveCount(index + 1);
}

void TNewDialogModel::choosePhraseLetter(int index) {
    if (shape_.selectedRawPhrase() != nullptr && inList(phraseLetterCodes(), index))
        shape_.setPhraseLetter(phraseLetterCodes()[static_cast<size_t>(index)]);
}

void TNewDialogModel::chooseMeter(int index) {
    if (!inList(meters_, index))
        return;
    meterIndex_ = index;
    zataktPanel_.setMeasure(meters_[static_cast<size_t>(index)]);
}

TShapeEditorState TNewDialogModel::shapeEditorState() const {
    TShapeEditorState state;
    const std::string sentenceWord = bundle_.text("sentence");
    const int n = static_cast<int>(shape_.sentences().size());
    for (int k = 0; k < n; ++k)
        state.sentenceItems.push_back(sentenceWord + "-" + std::to_string(k + 1));
    const int s = shape_.selectedSentence();
    state.sentenceIndex = s;
    state.addSentenceEnabled = n < MAX_SENTENCES;
    state.deleteSentenceEnabled = s != -1 && n > 1;
    state.moveSentenceUpEnabled = s > 0;
    state.moveSentenceDownEnabled = s < n - 1;

    const bool sentenceSelected = inList(shape_.sentences(), s);
    const int m =
        sentenceSelected ? static_cast<int>(shape_.sentences()[static_cast<size_t>(s)].size()) : 0;
    if (sentenceSelected) {
        for (const TRawPhrase& phrase : shape_.sentences()[static_cast<size_t>(s)])
            state.phraseItems.push_back(phrase.caption());
    }
    const int p = shape_.selectedPhrase();
    state.phraseIndex = p;
    state.addPhraseEnabled = sentenceSelected && m < MAX_PHRASES_PER_SENTENCE;
    if (const TRawPhrase* phrase = shape_.selectedRawPhrase(); phrase != nullptr && p != -1) {
        state.phraseFieldsShown = true;
        state.movePhraseUpEnabled = p != 0;
        state.deletePhraseEnabled = m > 1;
        state.movePhraseDownEnabled = p + 1 != m;
        state.motiveCountIndex = phrase->motiveCount - 1;
        const std::vector<PHRASE_LETTER>& codes = phraseLetterCodes();
        const auto found = std::find(codes.begin(), codes.end(), phrase->letter);
        state.phraseLetterIndex =
            found == codes.end() ? -1 : static_cast<int>(found - codes.begin());
    }
    state.structureText = shape_.structureText();
    return state;
}

TNewDialogResult TNewDialogModel::result() const {
    TNewDialogResult r;
    r.layout = TPeriodLayout::fromRaw(shape_);
    r.key = keyPanel_.key();
    r.measure = meters_[static_cast<size_t>(meterIndex_)];
    r.anacrusis = zataktPanel_.value();
    r.tempo = tempPanel_.value();
    return r;
}
