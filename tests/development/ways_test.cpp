#include "development/ways.h"

#include <gtest/gtest.h>

#include "development/rel_effect_way.h"
#include "generation/random.h"

namespace {

// A random melody in the range, bar lines respected, with gaps; random chords for every measure
// when `harmonise`.
TMotive randomMotive(int round, bool harmonise, const TChordList& set) {
    const TKey key(round % 15 - 7, uint8_t(round % 2));
    const TMeasure meter(2 + round % 2, round % 4 == 3 ? 60 : 120);
    const DURATION anacrusis = round % 3 == 0 ? DURATION(meter.measureLength() / 2) : 0;
    TMotive motive(key, meter, anacrusis);
    const int32_t length = motive.measureLength();
    int32_t t = motive.startTime();
    while (t < motive.endTime()) {
        const int32_t bar = (t / length + 1) * length;
        const int32_t room = std::min(motive.endTime(), bar) - t;
        const int32_t duration = 30 * (motivicaRand() % (room / 30) + 1);
        if (motivicaRand() % 5 != 0)
            motive.notes.push_back(TNote(t, 13 + motivicaRand() % 22, DURATION(duration)));
        t += duration;
    }
    if (harmonise) {
        for (int k = 0; k < motive.measureCount(); ++k) {
            TChord chord = set[size_t(motivicaRand()) % set.size()];
            chord.time = k * length;
            motive.chords.push_back(chord);
        }
        motive.updateChording();
    }
    motive.updateSharps();
    return motive;
}

void expectWellFormed(const TMotive& variant, const TMotive& source) {
    EXPECT_EQ(variant.key, source.key);
    EXPECT_EQ(variant.measure, source.measure);
    EXPECT_EQ(variant.anacrusis, source.anacrusis);
    const int32_t length = source.measureLength();
    for (size_t i = 0; i < variant.notes.size(); ++i) {
        const TNote& n = variant.notes[i];
        ASSERT_GE(n.time, source.startTime());
        ASSERT_LE(n.endTime(), source.endTime());
        ASSERT_EQ(n.time / length, (n.endTime() - 1) / length) << "crosses a bar line";
        ASSERT_TRUE(inMelodyRange(n.pitch)) << n.pitch;
        ASSERT_NE(n.duration, 0);
        if (i > 0) {
            ASSERT_LE(variant.notes[i - 1].endTime(), n.time) << "overlap";
        }
    }
}

}  // namespace

TEST(WaysTest, ChooserIndexAndCaptions) {
    const TChordList set = harmonySetChords();
    const std::vector<bool> more = {false, false, true, false, true, false, true,
                                    false, false, true, false, true, false};
    for (int i = 0; i < WAY_COUNT; ++i) {
        SCOPED_TRACE(WAY_CAPTIONS[size_t(i)]);
        const auto way = createWay(i, set);
        ASSERT_TRUE(way);
        EXPECT_EQ(way->hasMore(), more[size_t(i)]);
        EXPECT_EQ(dynamic_cast<TRelEffectWay*>(way.get()) != nullptr, i >= 7);
        EXPECT_EQ(wayIndexOf(std::string(WAY_CAPTIONS[size_t(i)])), i);
        EXPECT_EQ(wayIndexOf(std::to_string(i)), i);
    }
    EXPECT_FALSE(createWay(13, set));
    EXPECT_FALSE(createWay(-1, set));
    EXPECT_EQ(wayIndexOf("Rel. Parts"), 11);
    EXPECT_EQ(wayIndexOf("Parts"), 4);
    EXPECT_FALSE(wayIndexOf("rel. parts"));
    EXPECT_FALSE(wayIndexOf("13"));
    EXPECT_FALSE(wayIndexOf("-1"));
    EXPECT_FALSE(wayIndexOf(""));
    EXPECT_FALSE(wayIndexOf("1x"));
}

TEST(WaysTest, VariantsOfRandomMotivesStayWellFormed) {
    const TChordList set = harmonySetChords();
    resetMotivicaRandForTesting();
    for (int round = 0; round < 120; ++round) {
        for (int index = 0; index < WAY_COUNT; ++index) {
            SCOPED_TRACE(testing::Message() << "round " << round << " way " << index);
            const TMotive source = randomMotive(round, index >= 7 || round % 2 == 0, set);
            const auto way = createWay(index, set);
            way->setFrame(source.measure, source.key, source.anacrusis);
            way->acceptMotive(source);
            for (int press = 0; press < 2; ++press) {
                for (int pane = 0; pane < PANE_COUNT; ++pane)
                    expectWellFormed(way->pane(pane), source);
                way->moreEffect();
            }
        }
    }
}

TEST(WaysTest, RelativeVariantsFollowNewChords) {
    const TChordList set = harmonySetChords();
    resetMotivicaRandForTesting();
    for (int round = 0; round < 60; ++round) {
        const TMotive source = randomMotive(round, false, set);
        for (int index = 7; index < WAY_COUNT; ++index) {
            SCOPED_TRACE(testing::Message() << "round " << round << " way " << index);
            const auto way = createWay(index, set);
            way->acceptMotive(source);
            way->editStarted(0);
            TMotive& first = way->pane(0);
            TChordList fitted;
            for (int k = 0; k < source.measureCount(); ++k) {
                fitted.push_back(set[size_t(motivicaRand()) % set.size()]);
                fitted.back().time = k * source.measureLength();
            }
            first.setChords(fitted);
            way->chordsChosen(0);
            for (int pane = 0; pane < PANE_COUNT; ++pane) {
                expectWellFormed(way->pane(pane), source);
                EXPECT_EQ(way->pane(pane).chords.size(), fitted.size());
                // every way but Rel. Repeat (which may skip a pane) writes notes when the source
                // has some
                if (index != 10 && !source.notes.empty()) {
                    EXPECT_FALSE(way->pane(pane).notes.empty());
                }
            }
        }
    }
}
