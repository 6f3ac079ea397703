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
