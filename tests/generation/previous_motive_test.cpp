#include "generation/previous_motive.h"

#include <gtest/gtest.h>

namespace {

TPeriodData twoSentences(DURATION anacrusis) {
    TPeriodData period;
    period.buildFromLayout({2, 2}, {2, 2, 2, 2}, {5, 6, 11, 10}, TKey(0, MAJOR), TMeasure(2, 120),
                           anacrusis, 100);
    return period;
}

void giveAllChords(TMotive& m) {
    m.chords.clear();
    for (int k = 0; k < m.measureCount(); ++k) {
        TChord c = chordOfType(TChordType::TONIC_THREE_CHORD);
        c.time = k * m.measureLength();
        m.chords.push_back(c);
    }
}

class Listener : public TMotiveListener {
  public:
    void motiveChanged() override {}
};

}  // namespace

TEST(PreviousMotiveTest, SentenceCodesCycleThroughFour) {
    EXPECT_EQ(sentenceCode(0), 1);
    EXPECT_EQ(sentenceCode(3), 4);
    EXPECT_EQ(sentenceCode(4), 1);
}

TEST(PreviousMotiveTest, KindsWithinThePeriod) {
    for (DURATION anacrusis : {DURATION(0), DURATION(60)}) {
        SCOPED_TRACE(anacrusis);
        TPeriodData period = twoSentences(anacrusis);
        const auto addresses = period.motiveAddresses();
        ASSERT_EQ(addresses.size(), 8u);

        const TMotiveAndListenerPair first = previousMotiveAt(period, 0);
        EXPECT_EQ(first.kind,
                  anacrusis ? PREVIOUS_FIRST_WITH_ANACRUSIS : PREVIOUS_FIRST_WITHOUT_ANACRUSIS);
        EXPECT_EQ(first.motive, nullptr);

        // the previous motive lacks chords
        EXPECT_EQ(previousMotiveAt(period, 1).kind, PREVIOUS_NONE);
        EXPECT_EQ(previousMotiveAt(period, 1).motive, nullptr);

        Listener listener;
        TMotive& m0 = period.motiveAt(addresses[0]);
        giveAllChords(m0);
        m0.setListener(&listener);
        const TMotiveAndListenerPair second = previousMotiveAt(period, 1);
        EXPECT_EQ(second.kind, PREVIOUS_SAME_SENTENCE);
        EXPECT_EQ(second.motive, &m0);
        EXPECT_EQ(second.listener, &listener);
        // across phrases of one sentence too
        giveAllChords(period.motiveAt(addresses[1]));
        EXPECT_EQ(previousMotiveAt(period, 2).kind, PREVIOUS_SAME_SENTENCE);

        // into the next sentence
        TMotive& last = period.motiveAt(addresses[3]);
        EXPECT_EQ(previousMotiveAt(period, 4).kind, PREVIOUS_NONE);
        giveAllChords(last);
        const TMotiveAndListenerPair across = previousMotiveAt(period, 4);
        EXPECT_EQ(across.kind, anacrusis ? PREVIOUS_OTHER_SENTENCE : PREVIOUS_NONE);
        EXPECT_EQ(across.motive, anacrusis ? &last : nullptr);

        // the same through the motive itself
        EXPECT_EQ(previousMotive(period, period.motiveAt(addresses[4])).kind, across.kind);
        EXPECT_EQ(previousMotiveAt(period, 8).kind, PREVIOUS_NONE);
    }
}

TEST(PreviousMotiveTest, MotivesOutsideThePeriodFollowTheSelection) {
    for (DURATION anacrusis : {DURATION(0), DURATION(60)}) {
        SCOPED_TRACE(anacrusis);
        TPeriodData period = twoSentences(anacrusis);
        const auto addresses = period.motiveAddresses();
        TMotive pane(period.key, period.measure, anacrusis);

        EXPECT_EQ(previousMotive(period, pane).kind, PREVIOUS_NONE);
        TMotive& selected = period.motiveAt(addresses[1]);
        EXPECT_EQ(previousMotive(period, pane, &selected).kind, PREVIOUS_NONE);
        giveAllChords(selected);
        const TMotiveAndListenerPair inside = previousMotive(period, pane, &selected);
        EXPECT_EQ(inside.kind, PREVIOUS_SAME_SENTENCE);
        EXPECT_EQ(inside.motive, &selected);

        // the last motive of a sentence that another follows
        TMotive& closing = period.motiveAt(addresses[3]);
        giveAllChords(closing);
        const TMotiveAndListenerPair boundary = previousMotive(period, pane, &closing);
        EXPECT_EQ(boundary.kind, anacrusis ? PREVIOUS_OTHER_SENTENCE : PREVIOUS_NONE);

        // the period's very last motive has no sentence after it
        TMotive& finalMotive = period.motiveAt(addresses[7]);
        giveAllChords(finalMotive);
        EXPECT_EQ(previousMotive(period, pane, &finalMotive).kind, PREVIOUS_SAME_SENTENCE);
    }
}
