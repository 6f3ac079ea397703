#include "templates/period_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/eng_message_bundle.h"

namespace {

class TPeriodRecorder : public TPeriodDataListener {
  public:
    void periodChanged() override { events.push_back("period"); }
    void tempoChanged(int32_t tempo) override {
        events.push_back("tempo " + std::to_string(tempo));
    }
    void nameChanged(const std::string& name) override { events.push_back("name " + name); }
    std::vector<std::string> events;
};

TEST(PeriodLayoutTest, FromTheDefaultShape) {
    TEngMessageBundle english;
    const TPeriodLayout layout = TPeriodLayout::fromRaw(TRawPeriodData(&english));
    EXPECT_EQ(layout.phrasesPerSentence, (std::vector<int>{2, 2}));
    EXPECT_EQ(layout.motivesPerPhrase, (std::vector<int>{2, 2, 2, 2}));
    EXPECT_EQ(layout.phraseLetters, (std::vector<COLORED_BOX_SUFFIX>{5, 6, 11, 10}));
}

TEST(PeriodLayoutTest, BuildsThePeriod) {
    TEngMessageBundle english;
    TRawPeriodData shape = TRawPeriodData::builtInTemplates(&english)[3];
    shape.applyLetterScheme(TRawLetterScheme::builtInSchemes()[2]);

    TPeriodData period;
    period.setName("old.tnr");
    TPeriodRecorder recorder;
    period.setListener(&recorder);
    const TKey key(-3, MINOR);
    const TMeasure measure(3, 60);
    TPeriodLayout::fromRaw(shape).buildPeriod(period, key, measure, 30, 85);

    EXPECT_EQ(recorder.events, (std::vector<std::string>{"tempo 85", "name Untitled", "period"}));
    ASSERT_EQ(period.sentences.size(), 2u);
    const std::vector<int> motives = {3, 2, 3, 3, 2, 3};
    const std::vector<COLORED_BOX_SUFFIX> letters = {5, 6, 7, 11, 5, 6};
    size_t flat = 0;
    for (const TSentenceData& sentence : period.sentences) {
        ASSERT_EQ(sentence.phrases.size(), 3u);
        for (const TPhraseData& phrase : sentence.phrases) {
            SCOPED_TRACE(flat);
            EXPECT_EQ(phrase.motiveCount, motives[flat]);
            EXPECT_EQ(phrase.motives.size(), static_cast<size_t>(motives[flat]));
            EXPECT_EQ(phrase.letter, letters[flat]);
            for (const TMotive& motive : phrase.motives) {
                EXPECT_EQ(motive.key, key);
                EXPECT_EQ(motive.measure, measure);
                EXPECT_EQ(motive.anacrusis, 30);
            }
            ++flat;
        }
    }
    EXPECT_EQ(period.key, key);
    EXPECT_EQ(period.measure, measure);
    EXPECT_EQ(period.anacrusis, 30);
    EXPECT_EQ(period.tempo(), 85);
    EXPECT_EQ(period.name(), "Untitled");
    EXPECT_EQ(period.motiveCount(), 16u);
}

TEST(PeriodLayoutTest, ShapeOfAnExistingPeriod) {
    TEngMessageBundle english;
    TPeriodData period;
    TPeriodLayout({1, 3}, {4, 1, 2, 3}, {15, 0, 9, 12})
        .buildPeriod(period, TKey(), TMeasure(), 0, 100);
    const TPeriodLayout layout = TPeriodLayout::fromPeriod(period);
    EXPECT_EQ(layout, TPeriodLayout({1, 3}, {4, 1, 2, 3}, {15, 0, 9, 12}));
    const TRawPeriodData shape = layout.toRaw(&english);
    EXPECT_EQ(shape.structureText(),
              "(Sentence-1 (PHRASE-A2 (4))) + "
              "(Sentence-2 (PHRASE-1 (1) + PHRASE-E (2) + PHRASE-C1 (3)))");
    EXPECT_EQ(shape.selectedSentence(), 0);
    EXPECT_EQ(shape.selectedPhrase(), 0);
    EXPECT_EQ(TPeriodLayout::fromPeriod(TPeriodData()), TPeriodLayout());
    EXPECT_EQ(TPeriodLayout().toRaw(&english).structureText(), "");
}

TEST(PeriodLayoutTest, NegativeCountsBuildEmptyParts) {
    TPeriodData period;
    TPeriodLayout({-1, 2}, {-4, 1}, {5, 6}).buildPeriod(period, TKey(), TMeasure(), 0, 100);
    ASSERT_EQ(period.sentences.size(), 2u);
    EXPECT_TRUE(period.sentences[0].phrases.empty());
    ASSERT_EQ(period.sentences[1].phrases.size(), 2u);
    EXPECT_EQ(period.sentences[1].phrases[0].motiveCount, 0);
    EXPECT_TRUE(period.sentences[1].phrases[0].motives.empty());
    EXPECT_EQ(period.sentences[1].phrases[0].letter, 5);
    EXPECT_EQ(period.sentences[1].phrases[1].motiveCount, 1);
}

}  // namespace
