#include "model/period_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TRecordingPeriodListener : TPeriodDataListener {
    std::vector<std::string> events;
    void periodChanged() override { events.push_back("period"); }
    void tempoChanged(int32_t t) override { events.push_back("tempo " + std::to_string(t)); }
    void nameChanged(const std::string& n) override { events.push_back("name " + n); }
};

}  // namespace

TEST(PeriodDataTest, DefaultsAndBuildFromLayout) {
    TPeriodData def;
    EXPECT_TRUE(def.sentences.empty());
    EXPECT_EQ(def.key, TKey(0, MAJOR));
    EXPECT_EQ(def.measure, TMeasure());
    EXPECT_EQ(def.anacrusis, 0);
    EXPECT_EQ(def.tempo(), 100);
    EXPECT_EQ(def.name(), "Untitled");

    TRecordingPeriodListener l;
    TPeriodData p;
    p.setListener(&l);
    p.setName("old.tnr");
    l.events.clear();
    p.buildFromLayout({2, 2}, {2, 2, 2, 2}, {5, 6, 11, 10}, TKey(1, MINOR), TMeasure(3, 60), 60,
                      120);
    ASSERT_EQ(p.sentences.size(), 2u);
    const std::vector<int> letters = {5, 6, 11, 10};
    size_t i = 0;
    for (const TSentenceData& s : p.sentences) {
        ASSERT_EQ(s.phrases.size(), 2u);
        for (const TPhraseData& ph : s.phrases) {
            EXPECT_EQ(ph.letter, letters[i++]);
            EXPECT_EQ(ph.motiveCount, 2);
            ASSERT_EQ(ph.motives.size(), 2u);
            for (const TMotive& m : ph.motives) {
                EXPECT_TRUE(m.isEmpty());
                EXPECT_EQ(m.key, TKey(1, MINOR));
                EXPECT_EQ(m.measure, TMeasure(3, 60));
                EXPECT_EQ(m.anacrusis, 60);
            }
        }
    }
    EXPECT_EQ(p.key, TKey(1, MINOR));
    EXPECT_EQ(p.anacrusis, 60);
    EXPECT_EQ(l.events, (std::vector<std::string>{"tempo 120", "name Untitled", "period"}));
    EXPECT_EQ(p.motiveCount(), 8u);
    const auto addresses = p.motiveAddresses();
    ASSERT_EQ(addresses.size(), 8u);
    EXPECT_EQ(addresses[5], (TMotiveAddress{1, 0, 1}));

    // rebuilding replaces the whole structure
    p.buildFromLayout({1}, {3}, {5}, TKey(), TMeasure(), 0, 100);
    EXPECT_EQ(p.sentences.size(), 1u);
    EXPECT_EQ(p.motiveCount(), 3u);
}

TEST(PeriodDataTest, CopiesHearNobody) {
    TRecordingPeriodListener l;
    TPeriodData p;
    p.setTempo(90);  // no listener: stored, nobody called
    EXPECT_EQ(p.tempo(), 90);
    p.setListener(&l);
    TPeriodData copy(p);
    EXPECT_EQ(copy.listener(), nullptr);
    copy.setTempo(130);
    copy.setName("x");
    EXPECT_TRUE(l.events.empty());
    EXPECT_EQ(copy.tempo(), 130);
    EXPECT_EQ(p.tempo(), 90);
}

TEST(PeriodDataTest, PhrasesAndShortLayouts) {
    const TPhraseData empty;
    EXPECT_EQ(empty.motiveCount, 0);
    EXPECT_EQ(empty.letter, 0);
    EXPECT_TRUE(empty.motives.empty());

    TPhraseData phrase(3, 7, TKey(-2, MINOR), TMeasure(3, 120), 120);
    EXPECT_EQ(phrase.motiveCount, 3);
    EXPECT_EQ(phrase.letter, 7);
    ASSERT_EQ(phrase.motives.size(), 3u);
    for (const TMotive& m : phrase.motives) {
        EXPECT_TRUE(m.isEmpty());
        EXPECT_EQ(m.key, TKey(-2, MINOR));
        EXPECT_EQ(m.measure, TMeasure(3, 120));
        EXPECT_EQ(m.anacrusis, 120);
        EXPECT_EQ(m.listener(), nullptr);
    }
    phrase.motives[1].notes.emplace_back(240, 20, 120);
    const TPhraseData copy(phrase);
    EXPECT_EQ(copy.motiveCount, 3);
    EXPECT_EQ(copy.letter, 7);
    ASSERT_EQ(copy.motives.size(), 3u);
    EXPECT_EQ(copy.motives[1], phrase.motives[1]);
    EXPECT_EQ(copy.motives[1].notes.size(), 1u);

    // the count always matches the motives held
    const TPhraseData negative(-2, 5, TKey(), TMeasure(), 0);
    EXPECT_EQ(negative.motiveCount, 0);
    EXPECT_TRUE(negative.motives.empty());

    // lists shorter than the sentences ask for give empty, unlettered phrases
    TPeriodData p;
    p.buildFromLayout({1, 2}, {2}, {5, 6}, TKey(), TMeasure(), 0, 100);
    ASSERT_EQ(p.sentences.size(), 2u);
    ASSERT_EQ(p.sentences[1].phrases.size(), 2u);
    EXPECT_EQ(p.sentences[0].phrases[0].motiveCount, 2);
    EXPECT_EQ(p.sentences[1].phrases[0].letter, 6);
    EXPECT_EQ(p.sentences[1].phrases[0].motiveCount, 0);
    EXPECT_EQ(p.sentences[1].phrases[1].letter, 0);
    EXPECT_EQ(p.motiveCount(), 2u);
}

TEST(PeriodDataTest, CopyNotificationsAndClearing) {
    TRecordingPeriodListener l;
    TPeriodData p;
    p.setListener(&l);
    p.buildFromLayout({1}, {2}, {5}, TKey(3, MINOR), TMeasure(3, 60), 30, 145);
    p.setName("tnrs\\song.tnr");
    p.sentences[0].phrases[0].motives[0].notes.emplace_back(150, 20, 30);
    l.events.clear();

    const TPeriodData copy(p);
    EXPECT_EQ(copy.listener(), nullptr);
    EXPECT_EQ(copy.key, TKey(3, MINOR));
    EXPECT_EQ(copy.measure, TMeasure(3, 60));
    EXPECT_EQ(copy.anacrusis, 30);
    EXPECT_EQ(copy.tempo(), 145);
    EXPECT_EQ(copy.name(), "tnrs\\song.tnr");
    ASSERT_EQ(copy.motiveCount(), 2u);
    EXPECT_EQ(copy.motiveAt({0, 0, 0}), p.motiveAt({0, 0, 0}));
    EXPECT_TRUE(l.events.empty());

    p.setTempo(70);
    p.setName("other.tnr");
    p.notifyChanged();
    EXPECT_EQ(l.events, (std::vector<std::string>{"tempo 70", "name other.tnr", "period"}));
    EXPECT_EQ(p.name(), "other.tnr");

    l.events.clear();
    p.clearSentences();
    EXPECT_TRUE(p.sentences.empty());
    EXPECT_TRUE(l.events.empty());
    // the frame of the document stays
    EXPECT_EQ(p.key, TKey(3, MINOR));
    EXPECT_EQ(p.tempo(), 70);
}
