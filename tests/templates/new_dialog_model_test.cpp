#include "templates/new_dialog_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/eng_message_bundle.h"
#include "model/period_data.h"
#include "recording_shape_listener.h"

namespace {

using TInts = std::vector<int>;
using TLetters = std::vector<PHRASE_LETTER>;
using TTexts = std::vector<std::string>;

class NewDialogModelTest : public ::testing::Test {
  protected:
    // Phrases of the selected sentence.
    int selectedSentencePhrases() const {
        return static_cast<int>(
            dialog.shape()
                .sentences()[static_cast<size_t>(dialog.shape().selectedSentence())]
                .size());
    }

    TEngMessageBundle english;
    TNewDialogModel dialog{english};
};

TEST_F(NewDialogModelTest, OpensWithTheDefaults) {
    EXPECT_EQ(dialog.templateIndex(), 0);
    EXPECT_EQ(dialog.letterSchemeIndex(), 3);
    EXPECT_EQ(dialog.meterIndex(), 0);
    EXPECT_EQ(dialog.meterItems(), (TTexts{"2/4", "3/4", "2/8", "3/8"}));
    EXPECT_EQ(dialog.meters(), (std::vector<TMeasure>{TMeasure(2, 120), TMeasure(3, 120),
                                                      TMeasure(2, 60), TMeasure(3, 60)}));
    EXPECT_EQ(TNewDialogModel::motiveCountItems(), (TTexts{"1", "2", "3", "4"}));
    EXPECT_EQ(TNewDialogModel::phraseLetterItems(),
              (TTexts{"A", "B", "C", "D", "E", "A1", "B1", "C1", "D1", "E1", "A2"}));
    EXPECT_EQ(TNewDialogModel::phraseLetterCodes(),
              (TLetters{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(dialog.letterSchemeItems(),
              (TTexts{"A + A1 + A2 + B", "A + B + A + B", "A + B + C + B1", "A + B + B1 + A1",
                      "A + B + B1 + C"}));
    const TTexts templates = dialog.templateItems();
    ASSERT_EQ(templates.size(), 7u);
    EXPECT_EQ(templates[0],
              "(Sentence-1 (PHRASE-1 (2) + PHRASE-2 (2))) + "
              "(Sentence-2 (PHRASE-1 (2) + PHRASE-2 (2)))");
    EXPECT_EQ(templates[6], "(Sentence-1 (PHRASE-1 (3) + PHRASE-2 (2) + PHRASE-3 (3)))");

    const TNewDialogResult result = dialog.result();
    EXPECT_EQ(result.layout, TPeriodLayout(TInts{2, 2}, TInts{2, 2, 2, 2}, TLetters{5, 6, 11, 10}));
    EXPECT_EQ(result.key, TKey(1, MINOR));
    EXPECT_EQ(result.measure, TMeasure(2, 120));
    EXPECT_EQ(result.anacrusis, 60);
    EXPECT_EQ(result.tempo, 100);

    TShapeEditorState expected;
    expected.sentenceItems = {"Sentence-1", "Sentence-2"};
    expected.sentenceIndex = 0;
    expected.phraseItems = {"Phrase-A (2)", "Phrase-B (2)"};
    expected.phraseIndex = 0;
    expected.addSentenceEnabled = true;
    expected.deleteSentenceEnabled = true;
    expected.moveSentenceDownEnabled = true;
    expected.addPhraseEnabled = true;
    expected.deletePhraseEnabled = true;
    expected.movePhraseDownEnabled = true;
    expected.phraseFieldsShown = true;
    expected.motiveCountIndex = 1;
    expected.phraseLetterIndex = 0;
    expected.structureText =
        "(Sentence-1 (PHRASE-A (2) + PHRASE-B (2))) + (Sentence-2 (PHRASE-B1 (2) + PHRASE-A1 (2)))";
    EXPECT_EQ(dialog.shapeEditorState(), expected);
}

TEST_F(NewDialogModelTest, TemplateKeepsTheChosenLetterScheme) {
    TRecordingShapeListener listener;
    dialog.setShapeListener(&listener);
    dialog.clickSentence(1);
    listener.take();
    dialog.chooseTemplate(3);
    EXPECT_EQ(listener.take(), (TTexts{"structure", "sentence", "phrase", "phrases"}));
    EXPECT_EQ(dialog.templateIndex(), 3);
    EXPECT_EQ(dialog.shape().phrasesPerSentence(), (TInts{3, 3}));
    EXPECT_EQ(dialog.shape().motivesPerPhrase(), (TInts{3, 2, 3, 3, 2, 3}));
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 6, 11, 10, 5, 6}));
    EXPECT_EQ(dialog.shape().selectedSentence(), 0);
    EXPECT_EQ(dialog.shape().selectedPhrase(), 0);

    SCOPED_TRACE("scheme 2 on template 7 gives A, B, A");
    dialog.chooseLetterScheme(1);
    dialog.chooseTemplate(6);
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 6, 5}));
    EXPECT_EQ(dialog.shapeEditorState().phraseItems,
              (TTexts{"Phrase-A (3)", "Phrase-B (2)", "Phrase-A (3)"}));
    EXPECT_EQ(dialog.shapeEditorState().sentenceItems, (TTexts{"Sentence-1"}));

    SCOPED_TRACE("out of the list nothing happens");
    listener.take();
    dialog.chooseTemplate(7);
    dialog.chooseTemplate(-1);
    dialog.chooseLetterScheme(5);
    EXPECT_EQ(dialog.templateIndex(), 6);
    EXPECT_EQ(dialog.letterSchemeIndex(), 1);
    EXPECT_TRUE(listener.take().empty());
}

TEST_F(NewDialogModelTest, LetterSchemesNeverChangeTheCounts) {
    for (int t = 0; t < static_cast<int>(dialog.templates().size()); ++t) {
        dialog.chooseTemplate(t);
        dialog.chooseMotiveCount(3);
        const TInts phrases = dialog.shape().phrasesPerSentence();
        const TInts motives = dialog.shape().motivesPerPhrase();
        for (int s = 0; s < static_cast<int>(dialog.letterSchemes().size()); ++s) {
            SCOPED_TRACE(std::to_string(t) + " " + std::to_string(s));
            dialog.chooseLetterScheme(s);
            EXPECT_EQ(dialog.shape().phrasesPerSentence(), phrases);
            EXPECT_EQ(dialog.shape().motivesPerPhrase(), motives);
            const std::vector<PHRASE_LETTER>& scheme =
                dialog.letterSchemes()[static_cast<size_t>(s)].letters;
            const TLetters letters = dialog.shape().phraseLetters();
            for (size_t k = 0; k < letters.size(); ++k)
                EXPECT_EQ(letters[k], scheme[k % scheme.size()]);
        }
    }
}

TEST_F(NewDialogModelTest, ApplyLettersAgainAfterEdits) {
    TRecordingShapeListener listener;
    dialog.setShapeListener(&listener);
    dialog.clickPhrase(1);
    dialog.choosePhraseLetter(10);
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 15, 11, 10}));
    EXPECT_EQ(dialog.shapeEditorState().phraseLetterIndex, 10);
    dialog.addSentence();
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 15, 11, 10, 5}));
    listener.take();
    dialog.applyLetterScheme();
    EXPECT_EQ(listener.take(), (TTexts{"phrases"}));
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 6, 11, 10, 5}));
    EXPECT_EQ(dialog.shape().selectedSentence(), 2);
}

TEST_F(NewDialogModelTest, SentenceButtonsKeepOneToFourSentences) {
    TShapeEditorState state = dialog.shapeEditorState();
    dialog.addSentence();
    dialog.addSentence();
    state = dialog.shapeEditorState();
    EXPECT_EQ(state.sentenceItems.size(), 4u);
    EXPECT_EQ(state.sentenceIndex, 3);
    EXPECT_FALSE(state.addSentenceEnabled);
    EXPECT_TRUE(state.deleteSentenceEnabled);
    EXPECT_TRUE(state.moveSentenceUpEnabled);
    EXPECT_FALSE(state.moveSentenceDownEnabled);
    EXPECT_EQ(state.phraseItems, (TTexts{"Phrase-A (2)"}));

    SCOPED_TRACE("a fifth sentence is refused");
    dialog.addSentence();
    EXPECT_EQ(dialog.shape().sentences().size(), 4u);

    SCOPED_TRACE("moving the first sentence down and back");
    dialog.clickSentence(0);
    state = dialog.shapeEditorState();
    EXPECT_FALSE(state.moveSentenceUpEnabled);
    EXPECT_TRUE(state.moveSentenceDownEnabled);
    dialog.moveSentenceDown();
    EXPECT_EQ(dialog.shape().selectedSentence(), 1);
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{11, 10, 5, 6, 5, 5}));
    dialog.moveSentenceUp();
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 6, 11, 10, 5, 5}));
    dialog.moveSentenceUp();
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 6, 11, 10, 5, 5}));

    SCOPED_TRACE("down to one sentence, which cannot be deleted");
    for (int i = 0; i < 5; ++i)
        dialog.deleteSentence();
    state = dialog.shapeEditorState();
    EXPECT_EQ(state.sentenceItems, (TTexts{"Sentence-1"}));
    EXPECT_EQ(state.sentenceIndex, 0);
    EXPECT_TRUE(state.addSentenceEnabled);
    EXPECT_FALSE(state.deleteSentenceEnabled);
    EXPECT_FALSE(state.moveSentenceUpEnabled);
    EXPECT_FALSE(state.moveSentenceDownEnabled);
}

TEST_F(NewDialogModelTest, PhraseButtonsKeepOneToFourPhrases) {
    dialog.clickSentence(1);
    dialog.clickPhrase(1);
    TShapeEditorState state = dialog.shapeEditorState();
    EXPECT_TRUE(state.movePhraseUpEnabled);
    EXPECT_FALSE(state.movePhraseDownEnabled);
    EXPECT_TRUE(state.deletePhraseEnabled);
    dialog.movePhraseUp();
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 6, 10, 11}));
    EXPECT_EQ(dialog.shape().selectedPhrase(), 0);
    dialog.movePhraseUp();
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 6, 10, 11}));

    dialog.addPhrase();
    dialog.addPhrase();
    state = dialog.shapeEditorState();
    EXPECT_EQ(state.phraseItems,
              (TTexts{"Phrase-A1 (2)", "Phrase-B1 (2)", "Phrase-A (2)", "Phrase-A (2)"}));
    EXPECT_EQ(state.phraseIndex, 3);
    EXPECT_FALSE(state.addPhraseEnabled);
    dialog.addPhrase();
    EXPECT_EQ(selectedSentencePhrases(), 4);

    SCOPED_TRACE("one phrase left cannot be deleted");
    for (int i = 0; i < 5; ++i)
        dialog.deletePhrase();
    state = dialog.shapeEditorState();
    EXPECT_EQ(state.phraseItems, (TTexts{"Phrase-A1 (2)"}));
    EXPECT_EQ(state.phraseIndex, 0);
    EXPECT_FALSE(state.deletePhraseEnabled);
    EXPECT_FALSE(state.movePhraseUpEnabled);
    EXPECT_FALSE(state.movePhraseDownEnabled);
    EXPECT_TRUE(state.addPhraseEnabled);
    EXPECT_TRUE(state.phraseFieldsShown);

    SCOPED_TRACE("another sentence shows its own phrases");
    dialog.clickSentence(0);
    EXPECT_EQ(dialog.shapeEditorState().phraseItems, (TTexts{"Phrase-A (2)", "Phrase-B (2)"}));
}

TEST_F(NewDialogModelTest, MotiveCountAndLetterOfTheSelectedPhrase) {
    TRecordingShapeListener listener;
    dialog.setShapeListener(&listener);
    dialog.clickSentence(1);
    dialog.clickPhrase(1);
    EXPECT_EQ(listener.take(), (TTexts{"sentence", "phrase"}));
    dialog.chooseMotiveCount(0);
    dialog.choosePhraseLetter(2);
    EXPECT_EQ(listener.take(), (TTexts{"phrases", "phrases"}));
    EXPECT_EQ(dialog.shape().motivesPerPhrase(), (TInts{2, 2, 2, 1}));
    EXPECT_EQ(dialog.shape().phraseLetters(), (TLetters{5, 6, 11, 7}));
    const TShapeEditorState state = dialog.shapeEditorState();
    EXPECT_EQ(state.motiveCountIndex, 0);
    EXPECT_EQ(state.phraseLetterIndex, 2);
    EXPECT_EQ(state.phraseItems, (TTexts{"Phrase-B1 (2)", "Phrase-C (1)"}));

    SCOPED_TRACE("counts and letters outside the lists are ignored");
    dialog.chooseMotiveCount(4);
    dialog.chooseMotiveCount(-1);
    dialog.choosePhraseLetter(11);
    dialog.choosePhraseLetter(-1);
    dialog.clickPhrase(2);
    dialog.clickSentence(2);
    EXPECT_TRUE(listener.take().empty());
    EXPECT_EQ(dialog.shape().motivesPerPhrase(), (TInts{2, 2, 2, 1}));
}

TEST_F(NewDialogModelTest, EveryReachableShapeStaysWithinTheLimits) {
    // a long walk through the handlers, disabled buttons included
    unsigned seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
    };
    for (int step = 0; step < 4000; ++step) {
        switch (next(14)) {
            case 0:
                dialog.addSentence();
                break;
            case 1:
                dialog.deleteSentence();
                break;
            case 2:
                dialog.moveSentenceUp();
                break;
            case 3:
                dialog.moveSentenceDown();
                break;
            case 4:
                dialog.addPhrase();
                break;
            case 5:
                dialog.deletePhrase();
                break;
            case 6:
                dialog.movePhraseUp();
                break;
            case 7:
                dialog.movePhraseDown();
                break;
            case 8:
                dialog.clickSentence(next(5));
                break;
            case 9:
                dialog.clickPhrase(next(5));
                break;
            case 10:
                dialog.chooseMotiveCount(next(5));
                break;
            case 11:
                dialog.choosePhraseLetter(next(12));
                break;
            case 12:
                dialog.chooseTemplate(next(8));
                break;
            default:
                dialog.chooseLetterScheme(next(6));
                break;
        }
        const TRawPeriodData& shape = dialog.shape();
        ASSERT_GE(shape.sentences().size(), 1u) << step;
        ASSERT_LE(shape.sentences().size(), 4u) << step;
        for (const TRawPeriodData::TSentence& sentence : shape.sentences()) {
            ASSERT_GE(sentence.size(), 1u) << step;
            ASSERT_LE(sentence.size(), 4u) << step;
            for (const TRawPhrase& phrase : sentence) {
                ASSERT_GE(phrase.motiveCount, 1) << step;
                ASSERT_LE(phrase.motiveCount, 4) << step;
                ASSERT_GE(phrase.letter, 5) << step;
            }
        }
        ASSERT_NE(shape.selectedRawPhrase(), nullptr) << step;
        ASSERT_TRUE(dialog.shapeEditorState().phraseFieldsShown) << step;
    }
}

TEST_F(NewDialogModelTest, MeterReachesTheMotiveType) {
    dialog.zataktPanel().setDurationIndex(4);
    dialog.chooseMeter(2);
    EXPECT_EQ(dialog.meterIndex(), 2);
    EXPECT_EQ(dialog.zataktPanel().measure(), TMeasure(2, 60));
    EXPECT_EQ(dialog.zataktPanel().durationCount(), 3);
    EXPECT_EQ(dialog.zataktPanel().durationItems(english),
              (TTexts{"Sixteenth", "Eighth", "Pointed eighth"}));
    EXPECT_EQ(dialog.zataktPanel().durationIndex(), 2);
    EXPECT_EQ(dialog.result().measure, TMeasure(2, 60));
    EXPECT_EQ(dialog.result().anacrusis, 90);

    dialog.chooseMeter(4);
    dialog.chooseMeter(-1);
    EXPECT_EQ(dialog.meterIndex(), 2);
    dialog.chooseMeter(1);
    EXPECT_EQ(dialog.zataktPanel().durationCount(), 8);
    EXPECT_EQ(dialog.result().measure, TMeasure(3, 120));
}

TEST_F(NewDialogModelTest, ResultBuildsThePeriod) {
    dialog.chooseLetterScheme(2);
    dialog.chooseTemplate(2);
    dialog.clickSentence(1);
    dialog.clickPhrase(1);
    dialog.chooseMotiveCount(3);
    dialog.chooseMeter(3);
    dialog.keyPanel().setMode(MAJOR);
    dialog.keyPanel().setKeyIndex(4);
    dialog.zataktPanel().setType(TMotiveType::IAMBUS);
    dialog.zataktPanel().setDurationIndex(0);
    dialog.tempPanel().chooseCategory(5);

    const TNewDialogResult result = dialog.result();
    EXPECT_EQ(result.layout, TPeriodLayout(TInts{2, 2}, TInts{3, 2, 2, 4}, TLetters{5, 6, 7, 11}));
    EXPECT_EQ(result.key, TKey(-3, MAJOR));
    EXPECT_EQ(result.measure, TMeasure(3, 60));
    EXPECT_EQ(result.anacrusis, 180 - 30);
    EXPECT_EQ(result.tempo, 130);

    TPeriodData period;
    result.buildPeriod(period);
    ASSERT_EQ(period.sentences.size(), 2u);
    EXPECT_EQ(period.sentences[1].phrases.size(), 2u);
    EXPECT_EQ(period.sentences[1].phrases[1].motives.size(), 4u);
    EXPECT_EQ(period.sentences[1].phrases[1].letter, 11);
    EXPECT_EQ(period.sentences[0].phrases[0].motives.size(), 3u);
    EXPECT_EQ(period.key, TKey(-3, MAJOR));
    EXPECT_EQ(period.measure, TMeasure(3, 60));
    EXPECT_EQ(period.anacrusis, 150);
    EXPECT_EQ(period.tempo(), 130);
    EXPECT_EQ(period.name(), "Untitled");
}

}  // namespace
