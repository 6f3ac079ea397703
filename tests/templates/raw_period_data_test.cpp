#include "templates/raw_period_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/eng_message_bundle.h"
#include "help/rus_message_bundle.h"
#include "recording_shape_listener.h"

namespace {

using TEvents = std::vector<std::string>;
using TInts = std::vector<int>;
using TLetters = std::vector<PHRASE_LETTER>;

const std::string DEFAULT_TEXT =
    "(Sentence-1 (PHRASE-A (2) + PHRASE-B (2))) + (Sentence-2 (PHRASE-B1 (2) + PHRASE-A1 (2)))";

class RawPeriodDataTest : public ::testing::Test {
  protected:
    TEngMessageBundle english;
    TRecordingShapeListener listener;
};

TEST_F(RawPeriodDataTest, DefaultShape) {
    TRawPeriodData shape(&english);
    EXPECT_EQ(shape.bundle(), &english);
    EXPECT_EQ(shape.listener(), nullptr);
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{2, 2}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{2, 2, 2, 2}));
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 11, 10}));
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_EQ(shape.phraseCount(), 4);
    EXPECT_EQ(shape.structureText(), DEFAULT_TEXT);
    ASSERT_NE(shape.selectedRawPhrase(), nullptr);
    EXPECT_EQ(shape.selectedRawPhrase()->caption(), "Phrase-A (2)");
    EXPECT_EQ(shape.sentences()[1][0].bundle, &english);

    SCOPED_TRACE("it is template 1 with the fourth letter scheme");
    TRawPeriodData built = TRawPeriodData::builtInTemplates(&english)[0];
    built.applyLetterScheme(TRawLetterScheme::builtInSchemes()[DEFAULT_LETTER_SCHEME_INDEX]);
    EXPECT_EQ(built, shape);
}

TEST_F(RawPeriodDataTest, FromFlatLists) {
    TRawPeriodData shape(TInts{1, 3}, TInts{4, 1, 2, 3}, TLetters{5, 0, 15, 9}, &english);
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{1, 3}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{4, 1, 2, 3}));
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 0, 15, 9}));
    EXPECT_EQ(shape.structureText(),
              "(Sentence-1 (PHRASE-A (4))) + "
              "(Sentence-2 (PHRASE-1 (1) + PHRASE-A2 (2) + PHRASE-E (3)))");
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), 0);

    SCOPED_TRACE("an empty letter list leaves every phrase without letter");
    TRawPeriodData unlettered(TInts{2}, TInts{3, 1}, TLetters{}, &english);
    EXPECT_EQ(unlettered.phraseLetters(), (TLetters{0, 0}));

    SCOPED_TRACE("short lists read as 0 and negative counts as 0");
    TRawPeriodData ragged(TInts{2, -1, 2}, TInts{3, -2, 4}, TLetters{6}, &english);
    EXPECT_EQ(ragged.phrasesPerSentence(), (TInts{2, 0, 2}));
    EXPECT_EQ(ragged.motivesPerPhrase(), (TInts{3, 0, 4, 0}));
    EXPECT_EQ(ragged.phraseLetters(), (TLetters{6, 0, 0, 0}));

    SCOPED_TRACE("nothing to select in an empty shape");
    TRawPeriodData empty(TInts{}, TInts{}, TLetters{}, &english);
    EXPECT_EQ(empty.selectedSentence(), -1);
    EXPECT_EQ(empty.selectedPhrase(), -1);
    EXPECT_EQ(empty.selectedRawPhrase(), nullptr);
    EXPECT_EQ(empty.structureText(), "");
    TRawPeriodData hollow(TInts{0, 1}, TInts{2}, TLetters{}, &english);
    EXPECT_EQ(hollow.selectedSentence(), 0);
    EXPECT_EQ(hollow.selectedPhrase(), -1);
    EXPECT_EQ(hollow.structureText(), "(Sentence-1 ()) + (Sentence-2 (PHRASE-1 (2)))");
}

TEST_F(RawPeriodDataTest, BuiltInTemplates) {
    const std::vector<TRawPeriodData> templates = TRawPeriodData::builtInTemplates(&english);
    ASSERT_EQ(templates.size(), 7u);
    const std::vector<TInts> phrases = {{2, 2}, {2, 2}, {2, 2}, {3, 3}, {2}, {2}, {3}};
    const std::vector<TInts> motives = {
        {2, 2, 2, 2}, {4, 4, 4, 4}, {3, 2, 2, 3}, {3, 2, 3, 3, 2, 3}, {2, 2}, {4, 4}, {3, 2, 3}};
    const std::vector<std::string> texts = {
        "(Sentence-1 (PHRASE-1 (2) + PHRASE-2 (2))) + (Sentence-2 (PHRASE-1 (2) + PHRASE-2 (2)))",
        "(Sentence-1 (PHRASE-1 (4) + PHRASE-2 (4))) + (Sentence-2 (PHRASE-1 (4) + PHRASE-2 (4)))",
        "(Sentence-1 (PHRASE-1 (3) + PHRASE-2 (2))) + (Sentence-2 (PHRASE-1 (2) + PHRASE-2 (3)))",
        "(Sentence-1 (PHRASE-1 (3) + PHRASE-2 (2) + PHRASE-3 (3))) + "
        "(Sentence-2 (PHRASE-1 (3) + PHRASE-2 (2) + PHRASE-3 (3)))",
        "(Sentence-1 (PHRASE-1 (2) + PHRASE-2 (2)))",
        "(Sentence-1 (PHRASE-1 (4) + PHRASE-2 (4)))",
        "(Sentence-1 (PHRASE-1 (3) + PHRASE-2 (2) + PHRASE-3 (3)))",
    };
    for (size_t i = 0; i < templates.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const TRawPeriodData& t = templates[i];
        EXPECT_EQ(t.phrasesPerSentence(), phrases[i]);
        EXPECT_EQ(t.motivesPerPhrase(), motives[i]);
        EXPECT_EQ(t.phraseLetters(), TLetters(motives[i].size(), NO_PHRASE_LETTER));
        EXPECT_EQ(t.structureText(), texts[i]);
        EXPECT_EQ(t.selectedSentence(), 0);
        EXPECT_EQ(t.selectedPhrase(), 0);
        EXPECT_EQ(t.bundle(), &english);
        EXPECT_EQ(t.listener(), nullptr);
        // every template lies inside the limits the shape editor keeps
        EXPECT_LE(t.sentences().size(), static_cast<size_t>(MAX_SENTENCES));
        for (const auto& sentence : t.sentences()) {
            EXPECT_LE(sentence.size(), static_cast<size_t>(MAX_PHRASES_PER_SENTENCE));
            for (const TRawPhrase& phrase : sentence) {
                EXPECT_GE(phrase.motiveCount, 1);
                EXPECT_LE(phrase.motiveCount, MAX_MOTIVES_PER_PHRASE);
            }
        }
    }
}

TEST_F(RawPeriodDataTest, StructureTextFollowsTheBundle) {
    TRusMessageBundle russian;
    TRawPeriodData shape(TInts{1}, TInts{2}, TLetters{6}, &russian);
    // the Russian texts have a word for the sentence but none for "phrase big"
    EXPECT_EQ(shape.structureText(), "(Предложение-1 (-B (2)))");
    TRawPeriodData bare(TInts{2}, TInts{1, 3}, TLetters{}, nullptr);
    EXPECT_EQ(bare.structureText(), "(-1 (-1 (1) + -2 (3)))");
}

TEST_F(RawPeriodDataTest, CopyAndAssignmentOfTheListener) {
    TRawPeriodData shape(&english);
    shape.setListener(&listener);
    TRawPeriodData copy(shape);
    EXPECT_EQ(copy.listener(), nullptr);
    EXPECT_EQ(copy, shape);

    TRawPeriodData target(TInts{1}, TInts{3}, TLetters{}, &english);
    target.setListener(&listener);
    target = TRawPeriodData::builtInTemplates(nullptr)[3];
    EXPECT_EQ(target.listener(), &listener);
    EXPECT_EQ(target.bundle(), nullptr);
    EXPECT_EQ(target.motivesPerPhrase(), (TInts{3, 2, 3, 3, 2, 3}));
    EXPECT_TRUE(listener.take().empty());
}

TEST_F(RawPeriodDataTest, AssignTemplate) {
    TRawPeriodData shape(&english);
    shape.setListener(&listener);
    shape.selectSentence(1);
    shape.selectPhrase(1);
    listener.take();

    TRawPeriodData source(TInts{2, 1}, TInts{1, 2, 3}, TLetters{7, 8, 9}, &english);
    source.selectSentence(0);
    source.selectPhrase(1);
    shape.assignTemplate(source);
    EXPECT_EQ(listener.take(), (TEvents{"structure"}));
    EXPECT_EQ(shape.listener(), &listener);
    EXPECT_EQ(shape, source);
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), 1);

    SCOPED_TRACE("the template itself stays as it was");
    shape.setPhraseLetter(PHRASE_LETTER_A);
    EXPECT_EQ(source.phraseLetters(), (TLetters{7, 8, 9}));
}

TEST_F(RawPeriodDataTest, SelectionRules) {
    TRawPeriodData shape(TInts{3, 1, 2}, TInts{1, 1, 1, 1, 1, 1}, TLetters{}, &english);
    shape.setListener(&listener);

    shape.selectPhrase(2);
    EXPECT_EQ(shape.selectedPhrase(), 2);
    EXPECT_EQ(listener.take(), (TEvents{"phrase"}));

    SCOPED_TRACE("a sentence with fewer phrases clamps the phrase selection");
    shape.selectSentence(2);
    EXPECT_EQ(shape.selectedSentence(), 2);
    EXPECT_EQ(shape.selectedPhrase(), 1);
    EXPECT_EQ(listener.take(), (TEvents{"sentence"}));
    shape.selectSentence(1);
    EXPECT_EQ(shape.selectedPhrase(), 0);
    shape.selectSentence(0);
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_EQ(listener.take(), (TEvents{"sentence", "sentence"}));

    SCOPED_TRACE("indices outside the shape are refused");
    shape.selectSentence(3);
    shape.selectSentence(-2);
    shape.selectPhrase(3);
    shape.selectPhrase(-2);
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_TRUE(listener.take().empty());

    SCOPED_TRACE("-1 clears a selection");
    shape.selectPhrase(-1);
    EXPECT_EQ(shape.selectedPhrase(), -1);
    EXPECT_EQ(shape.selectedRawPhrase(), nullptr);
    shape.selectSentence(2);
    EXPECT_EQ(shape.selectedPhrase(), -1);
    shape.selectPhrase(1);
    shape.selectSentence(-1);
    EXPECT_EQ(shape.selectedSentence(), -1);
    EXPECT_EQ(shape.selectedPhrase(), -1);
    shape.selectPhrase(0);
    EXPECT_EQ(shape.selectedPhrase(), -1);
    EXPECT_EQ(listener.take(), (TEvents{"phrase", "sentence", "phrase", "sentence"}));
}

TEST_F(RawPeriodDataTest, PhraseLetterAndMotiveCount) {
    TRawPeriodData shape(&english);
    shape.setListener(&listener);
    shape.selectSentence(1);
    shape.selectPhrase(1);
    listener.take();

    shape.setPhraseLetter(PHRASE_LETTER_D1);
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 11, 13}));
    shape.setPhraseMotiveCount(4);
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{2, 2, 2, 4}));
    EXPECT_EQ(listener.take(), (TEvents{"phrases", "phrases"}));
    EXPECT_EQ(shape.structureText(),
              "(Sentence-1 (PHRASE-A (2) + PHRASE-B (2))) + "
              "(Sentence-2 (PHRASE-B1 (2) + PHRASE-D1 (4)))");
    shape.setPhraseLetter(NO_PHRASE_LETTER);
    EXPECT_EQ(shape.selectedRawPhrase()->caption(), "Phrase- (4)");
    EXPECT_EQ(listener.take(), (TEvents{"phrases"}));

    SCOPED_TRACE("unknown letters and counts below one are refused");
    shape.setPhraseLetter(16);
    shape.setPhraseLetter(-1);
    shape.setPhraseMotiveCount(0);
    shape.setPhraseMotiveCount(-3);
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 11, 0}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{2, 2, 2, 4}));
    EXPECT_TRUE(listener.take().empty());

    SCOPED_TRACE("without a selected phrase nothing changes");
    shape.selectPhrase(-1);
    listener.take();
    shape.setPhraseLetter(PHRASE_LETTER_A);
    shape.setPhraseMotiveCount(1);
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 11, 0}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{2, 2, 2, 4}));
    EXPECT_TRUE(listener.take().empty());
}

TEST_F(RawPeriodDataTest, AddAndDeleteSentences) {
    TRawPeriodData shape(&english);
    shape.setListener(&listener);
    shape.selectPhrase(1);
    listener.take();

    shape.addSentence();
    EXPECT_EQ(listener.take(), (TEvents{"structure"}));
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{2, 2, 1}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{2, 2, 2, 2, 2}));
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 11, 10, 5}));
    EXPECT_EQ(shape.selectedSentence(), 2);
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_EQ(shape.sentences()[2][0].bundle, &english);

    SCOPED_TRACE("deleting the last sentence selects the new last one");
    shape.deleteSentence();
    EXPECT_EQ(listener.take(), (TEvents{"structure"}));
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{2, 2}));
    EXPECT_EQ(shape.selectedSentence(), 1);
    EXPECT_EQ(shape.selectedPhrase(), 0);

    SCOPED_TRACE("deleting an inner sentence keeps the index");
    shape.addSentence();
    shape.selectSentence(0);
    shape.selectPhrase(1);
    listener.take();
    shape.deleteSentence();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{11, 10, 5}));
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_EQ(listener.take(), (TEvents{"structure"}));

    SCOPED_TRACE("deleting every sentence leaves no selection");
    shape.deleteSentence();
    shape.deleteSentence();
    EXPECT_TRUE(shape.sentences().empty());
    EXPECT_EQ(shape.selectedSentence(), -1);
    EXPECT_EQ(shape.selectedPhrase(), -1);
    EXPECT_EQ(shape.structureText(), "");
    EXPECT_EQ(listener.take(), (TEvents{"structure", "structure"}));
    shape.deleteSentence();
    EXPECT_TRUE(listener.take().empty());

    SCOPED_TRACE("a sentence can be added to an empty shape");
    shape.addSentence();
    EXPECT_EQ(shape.structureText(), "(Sentence-1 (PHRASE-A (2)))");
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), 0);

    SCOPED_TRACE("the sentence left selected may have no phrases");
    TRawPeriodData hollow(TInts{1, 0}, TInts{2}, TLetters{}, &english);
    hollow.deleteSentence();
    EXPECT_EQ(hollow.selectedSentence(), 0);
    EXPECT_EQ(hollow.selectedPhrase(), -1);
}

TEST_F(RawPeriodDataTest, MoveSentences) {
    TRawPeriodData shape(TInts{1, 2, 3}, TInts{1, 2, 2, 3, 3, 3}, TLetters{5, 6, 7, 8, 9, 10},
                         &english);
    shape.setListener(&listener);
    shape.selectSentence(1);
    shape.selectPhrase(1);
    listener.take();

    shape.moveSentenceUp();
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{2, 1, 3}));
    EXPECT_EQ(shape.phraseLetters(), (TLetters{6, 7, 5, 8, 9, 10}));
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), 1);
    EXPECT_EQ(listener.take(), (TEvents{"structure"}));

    SCOPED_TRACE("no neighbour above the first sentence");
    shape.moveSentenceUp();
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{2, 1, 3}));
    EXPECT_TRUE(listener.take().empty());

    shape.moveSentenceDown();
    shape.moveSentenceDown();
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{1, 3, 2}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{1, 3, 3, 3, 2, 2}));
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 8, 9, 10, 6, 7}));
    EXPECT_EQ(shape.selectedSentence(), 2);
    EXPECT_EQ(listener.take(), (TEvents{"structure", "structure"}));

    SCOPED_TRACE("no neighbour below the last sentence");
    shape.moveSentenceDown();
    EXPECT_EQ(shape.selectedSentence(), 2);
    EXPECT_TRUE(listener.take().empty());

    SCOPED_TRACE("no move without a selected sentence");
    shape.selectSentence(-1);
    listener.take();
    shape.moveSentenceUp();
    shape.moveSentenceDown();
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{1, 3, 2}));
    EXPECT_TRUE(listener.take().empty());
}

TEST_F(RawPeriodDataTest, AddAndDeletePhrases) {
    TRawPeriodData shape(TInts{2, 1}, TInts{3, 4, 1}, TLetters{6, 7, 8}, &english);
    shape.setListener(&listener);

    shape.addPhrase();
    EXPECT_EQ(listener.take(), (TEvents{"phrases"}));
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{3, 1}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{3, 4, 2, 1}));
    EXPECT_EQ(shape.phraseLetters(), (TLetters{6, 7, 5, 8}));
    EXPECT_EQ(shape.selectedPhrase(), 2);
    EXPECT_EQ(shape.selectedRawPhrase()->caption(), "Phrase-A (2)");

    SCOPED_TRACE("deleting the second of two selected phrases selects the first");
    shape.deletePhrase();
    shape.selectPhrase(1);
    listener.take();
    shape.deletePhrase();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{6, 8}));
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_EQ(listener.take(), (TEvents{"phrases"}));

    SCOPED_TRACE("deleting the last phrase of a sentence leaves no phrase selected");
    shape.deletePhrase();
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{0, 1}));
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), -1);
    EXPECT_EQ(listener.take(), (TEvents{"phrases"}));
    shape.deletePhrase();
    EXPECT_TRUE(listener.take().empty());

    SCOPED_TRACE("a phrase can be added to an empty sentence");
    shape.addPhrase();
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{1, 1}));
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_EQ(listener.take(), (TEvents{"phrases"}));

    SCOPED_TRACE("deleting the first of several keeps the index");
    shape.addPhrase();
    shape.addPhrase();
    shape.selectPhrase(0);
    shape.setPhraseLetter(PHRASE_LETTER_E);
    shape.selectPhrase(1);
    shape.setPhraseLetter(PHRASE_LETTER_C1);
    shape.selectPhrase(0);
    listener.take();
    shape.deletePhrase();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{12, 5, 8}));
    EXPECT_EQ(shape.selectedPhrase(), 0);

    SCOPED_TRACE("without a selected sentence no phrase is added");
    shape.selectSentence(-1);
    listener.take();
    shape.addPhrase();
    shape.deletePhrase();
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{2, 1}));
    EXPECT_TRUE(listener.take().empty());
}

TEST_F(RawPeriodDataTest, MovePhrases) {
    TRawPeriodData shape(TInts{3, 1}, TInts{1, 2, 3, 4}, TLetters{5, 6, 7, 8}, &english);
    shape.setListener(&listener);

    shape.movePhraseDown();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{6, 5, 7, 8}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{2, 1, 3, 4}));
    EXPECT_EQ(shape.selectedPhrase(), 1);
    shape.movePhraseDown();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{6, 7, 5, 8}));
    EXPECT_EQ(shape.selectedPhrase(), 2);
    EXPECT_EQ(listener.take(), (TEvents{"phrases", "phrases"}));

    SCOPED_TRACE("a phrase never moves into the next sentence");
    shape.movePhraseDown();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{6, 7, 5, 8}));
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{3, 1}));
    EXPECT_TRUE(listener.take().empty());

    shape.movePhraseUp();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{6, 5, 7, 8}));
    EXPECT_EQ(shape.selectedPhrase(), 1);
    shape.movePhraseUp();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 7, 8}));
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_EQ(listener.take(), (TEvents{"phrases", "phrases"}));
    shape.movePhraseUp();
    EXPECT_TRUE(listener.take().empty());

    SCOPED_TRACE("the only phrase of a sentence has no neighbour");
    shape.selectSentence(1);
    listener.take();
    shape.movePhraseUp();
    shape.movePhraseDown();
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 7, 8}));
    EXPECT_TRUE(listener.take().empty());
}

TEST_F(RawPeriodDataTest, ApplyLetterScheme) {
    const std::vector<TRawPeriodData> templates = TRawPeriodData::builtInTemplates(&english);
    const std::vector<TRawLetterScheme> schemes = TRawLetterScheme::builtInSchemes();

    TRawPeriodData shape = templates[6];
    shape.setListener(&listener);
    shape.applyLetterScheme(schemes[1]);
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 5}));
    EXPECT_EQ(shape.structureText(), "(Sentence-1 (PHRASE-A (3) + PHRASE-B (2) + PHRASE-A (3)))");
    EXPECT_EQ(listener.take(), (TEvents{"phrases"}));

    SCOPED_TRACE("six phrases take letters 1, 2, 3, 4, 1, 2 of a four-letter scheme");
    shape.assignTemplate(templates[3]);
    shape.applyLetterScheme(schemes[DEFAULT_LETTER_SCHEME_INDEX]);
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 11, 10, 5, 6}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{3, 2, 3, 3, 2, 3}));
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{3, 3}));
    EXPECT_EQ(listener.take(), (TEvents{"structure", "phrases"}));

    SCOPED_TRACE("letters restart only at the end of the scheme, not of a sentence");
    TRawPeriodData uneven(TInts{1, 3, 1}, TInts{1, 1, 1, 1, 1}, TLetters{}, &english);
    uneven.applyLetterScheme(schemes[0]);
    EXPECT_EQ(uneven.phraseLetters(), (TLetters{5, 10, 15, 6, 5}));
    EXPECT_EQ(uneven.structureText(),
              "(Sentence-1 (PHRASE-A (1))) + (Sentence-2 (PHRASE-A1 (1) + PHRASE-A2 (1) + "
              "PHRASE-B (1))) + (Sentence-3 (PHRASE-A (1)))");
    uneven.applyLetterScheme(TRawLetterScheme({PHRASE_LETTER_E}));
    EXPECT_EQ(uneven.phraseLetters(), (TLetters{9, 9, 9, 9, 9}));

    SCOPED_TRACE("a scheme without letters changes nothing");
    shape.applyLetterScheme(TRawLetterScheme());
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 11, 10, 5, 6}));
    EXPECT_TRUE(listener.take().empty());

    SCOPED_TRACE("selection is left alone");
    shape.selectSentence(1);
    shape.selectPhrase(2);
    shape.applyLetterScheme(schemes[2]);
    EXPECT_EQ(shape.selectedSentence(), 1);
    EXPECT_EQ(shape.selectedPhrase(), 2);
}

TEST_F(RawPeriodDataTest, EditsWithoutListener) {
    TRawPeriodData shape(&english);
    shape.addSentence();
    shape.addPhrase();
    shape.setPhraseMotiveCount(3);
    shape.setPhraseLetter(PHRASE_LETTER_C);
    shape.movePhraseUp();
    shape.moveSentenceUp();
    shape.selectSentence(2);
    shape.selectPhrase(1);
    shape.deletePhrase();
    shape.applyLetterScheme(TRawLetterScheme::builtInSchemes()[4]);
    shape.assignTemplate(shape);
    EXPECT_EQ(shape.phrasesPerSentence(), (TInts{2, 2, 1}));
    EXPECT_EQ(shape.motivesPerPhrase(), (TInts{2, 2, 3, 2, 2}));
    EXPECT_EQ(shape.phraseLetters(), (TLetters{5, 6, 11, 7, 5}));
    EXPECT_EQ(shape.selectedSentence(), 2);
    EXPECT_EQ(shape.selectedPhrase(), 0);
}

}  // namespace
