#include "generation/note_candidates.h"

#include <gtest/gtest.h>

namespace {

const TKey C_MAJOR(0, MAJOR);

TMotive anacrusisMotive() {
    // 2/4 with an eighth of anacrusis: G at 180, then C and D (eighths) and a rest of an eighth
    TMotive m(C_MAJOR, TMeasure(2, 120), 60);
    TChord dominant = chordOfType(TChordType::DOMINANT_THREE_CHORD);
    dominant.setVoicing(24, 21, 19, 10);
    TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    tonic.setVoicing(24, 22, 20, 6);
    tonic.time = 240;
    m.chords = {dominant, tonic};
    m.notes = {TNote(180, 24, 60), TNote(240, 20, 60), TNote(300, 21, 60)};
    m.updateChording();
    return m;
}

std::vector<int32_t> pitches(const std::vector<TScVariant>& list) {
    std::vector<int32_t> p;
    for (const TScVariant& v : list) {
        p.push_back(v.pitch);
    }
    return p;
}

}  // namespace

TEST(NoteCandidatesTest, ConfiguresTheSchemeLikeAPress) {
    const TMotive m = anacrusisMotive();
    TScheme scheme;
    SCOPED_TRACE("at the bar line the tonic's chord tones, in ascending pitch");
    const auto atBar = candidatesAt(scheme, m, 240, 2, 0);
    EXPECT_EQ(pitches(atBar), (std::vector<int32_t>{13, 15, 17, 20, 22, 24, 27, 29, 31, 34}));
    // up to the motive's end: 180 ticks
    EXPECT_EQ(atBar[0].durations, (std::vector<DURATION>{30, 60, 90, 120, 150, 180}));

    SCOPED_TRACE("in the anacrusis the dominant's chord tones up to the bar line");
    const auto early = candidatesAt(scheme, m, 180, 0, 1);
    EXPECT_EQ(pitches(early), (std::vector<int32_t>{14, 17, 19, 21, 24, 26, 28, 31, 33}));
    EXPECT_EQ(early[0].durations, (std::vector<DURATION>{60}));
    EXPECT_EQ(scheme.turnScheme(), (std::vector<TURN_ROUND>{TURN_LINE}));

    SCOPED_TRACE("the same rhythm starts at the element under t, here the closing rest");
    const auto same = candidatesAt(scheme, m, 360, 2, 3);
    EXPECT_EQ(scheme.rhythmScheme(), (TRhythm{60, 60, 60, -60}));
    EXPECT_EQ(scheme.rhythmPosition(), 3);
    ASSERT_EQ(same.size(), 1u);
    EXPECT_EQ(same[0].pitch, 21);
    EXPECT_EQ(same[0].durations, (std::vector<DURATION>{-60}));
    EXPECT_EQ(same[0].rhythmPosition, 3);
    EXPECT_FALSE(same[0].chording);

    SCOPED_TRACE("after the non-chord tone D that left C by step, the line goes on to E");
    const auto line = candidatesAt(scheme, m, 360, 0, 0);
    ASSERT_EQ(pitches(line), (std::vector<int32_t>{22}));
    EXPECT_TRUE(line[0].chording);
    EXPECT_EQ(line[0].turnPosition, 0);
    EXPECT_EQ(line[0].durations, (std::vector<DURATION>{30, 60}));

    SCOPED_TRACE("outside the motive there is nothing");
    EXPECT_TRUE(candidatesAt(scheme, m, 120, 2, 0).empty());
    EXPECT_TRUE(candidatesAt(scheme, m, 420, 2, 0).empty());
}
