#include "development/effect.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "generation/random.h"

namespace {

// In C major position 13 is C, 14 D, 15 E, 16 F, 17 G; the tonic triad holds 13, 15, 17, 20.
const TKey C_MAJOR(0, MAJOR);

TNote note(int32_t time, int32_t pitch, DURATION duration) {
    return TNote(time, pitch, duration);
}

std::vector<int32_t> pitchesOf(const TNoteList& notes) {
    std::vector<int32_t> p;
    for (const TNote& n : notes)
        p.push_back(n.pitch);
    return p;
}

// time, duration pairs
std::vector<std::pair<int32_t, int>> timingOf(const TNoteList& notes) {
    std::vector<std::pair<int32_t, int>> t;
    for (const TNote& n : notes)
        t.emplace_back(n.time, n.duration);
    return t;
}

}  // namespace

TEST(EffectTest, RetimeGivesSoundingValuesToNotesAndLetsRestsAdvanceTime) {
    TNoteList notes = {note(0, 13, 30), note(30, 14, 30), note(60, 15, 30)};
    TEffect::retimeNotes(notes, {60, -60, 120}, 0);
    EXPECT_EQ(timingOf(notes),
              (std::vector<std::pair<int32_t, int>>{{0, 60}, {120, 120}, {60, 30}}));
    EXPECT_EQ(pitchesOf(notes), (std::vector<int32_t>{13, 14, 15}));
}

TEST(EffectTest, RhythmRetrogradeKeepsPitchOrderAndGaps) {
    {
        SCOPED_TRACE("eighth, quarter");
        TNoteList group = {note(0, 13, 60), note(60, 14, 120)};
        TEffect::reverseRhythm(group);
        EXPECT_EQ(timingOf(group), (std::vector<std::pair<int32_t, int>>{{0, 120}, {120, 60}}));
        EXPECT_EQ(pitchesOf(group), (std::vector<int32_t>{13, 14}));
    }
    {
        SCOPED_TRACE("a gap is one rest that moves with the rhythm");
        TNoteList group = {note(30, 13, 30), note(120, 14, 60)};
        TEffect::reverseRhythm(group);
        // rhythm 30, -60, 60 reversed: 60, -60, 30
        EXPECT_EQ(timingOf(group), (std::vector<std::pair<int32_t, int>>{{30, 60}, {150, 30}}));
    }
}

TEST(EffectTest, ShuffleFollowsTheGeneratorsSequence) {
    resetMotivicaRandForTesting();
    TRhythm rhythm = {30, 60, -90, 120};
    TEffect::shuffleRhythm(rhythm);
    // j = 346 % 2, 130 % 3, 10982 % 4
    EXPECT_EQ(rhythm, (TRhythm{60, -90, 120, 30}));
    EXPECT_EQ(motivicaRand(), 1090);

    resetMotivicaRandForTesting();
    TNoteList group = {note(0, 13, 60), note(60, 14, 60), note(120, 15, 60)};
    TEffect::shufflePitches(group);
    EXPECT_EQ(pitchesOf(group), (std::vector<int32_t>{14, 15, 13}));
    EXPECT_EQ(timingOf(group)[2], (std::pair<int32_t, int>{120, 60}));
}

TEST(EffectTest, RedistributionKeepsTotalsAndRests) {
    resetMotivicaRandForTesting();
    TRhythm rhythm = {120, -60};
    TEffect::redistributeRhythm(rhythm);
    // two passes (346 % 5 + 1), both moving five sixteenths to the rest
    EXPECT_EQ(rhythm, (TRhythm{30, -150}));
    EXPECT_EQ(motivicaRand(), 6415);

    const std::set<TRhythm> possible = {{30, -150}, {60, -120}, {90, -90}, {120, -60}, {150, -30}};
    std::set<TRhythm> seen;
    for (int i = 0; i < 300; ++i) {
        TRhythm r = {120, -60};
        TEffect::redistributeRhythm(r);
        ASSERT_TRUE(possible.count(r)) << r[0] << " " << r[1];
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), possible.size());

    for (int i = 0; i < 300; ++i) {
        TRhythm r = {60, -30, 90, 60};
        TEffect::redistributeRhythm(r);
        int total = 0;
        for (DURATION v : r) {
            total += std::abs(v);
            ASSERT_EQ(v % 30, 0);
            ASSERT_NE(v, 0);
        }
        ASSERT_EQ(total, 240);
        ASSERT_LT(r[1], 0);
        ASSERT_GT(r[0], 0);
    }
}

TEST(EffectTest, CountsThatCanBeZeroStopTheDraws) {
    {
        SCOPED_TRACE("a redistribution pair under 60 ticks");
        resetMotivicaRandForTesting();
        TRhythm rhythm = {20, 30};
        TEffect::redistributeRhythm(rhythm);
        EXPECT_EQ(rhythm, (TRhythm{20, 30}));
        // passes, a and b were drawn, nothing more
        EXPECT_EQ(motivicaRand(), 1090);
    }
    {
        SCOPED_TRACE("a redistribution of fewer than two elements draws nothing");
        resetMotivicaRandForTesting();
        TRhythm rhythm = {240};
        TEffect::redistributeRhythm(rhythm);
        EXPECT_EQ(rhythm, (TRhythm{240}));
        EXPECT_EQ(motivicaRand(), 346);
    }
    {
        SCOPED_TRACE("a split of two sixteenths");
        resetMotivicaRandForTesting();
        TNoteList group = {note(0, 13, 30), note(30, 15, 30)};
        TEffect::splitNote(group);
        EXPECT_EQ(group.size(), 2u);
        EXPECT_EQ(motivicaRand(), 130);
    }
}

TEST(EffectTest, SplitNoteFollowsTheGeneratorsSequence) {
    {
        SCOPED_TRACE("note 0 split: the second half steps towards note 1");
        resetMotivicaRandForTesting();
        TNoteList group = {note(0, 13, 120), note(120, 15, 120)};
        TEffect::splitNote(group);
        EXPECT_EQ(timingOf(group),
                  (std::vector<std::pair<int32_t, int>>{{0, 60}, {60, 60}, {120, 120}}));
        EXPECT_EQ(pitchesOf(group), (std::vector<int32_t>{13, 14, 15}));
        EXPECT_EQ(motivicaRand(), 11656);
    }
    {
        SCOPED_TRACE("note 1 split: the first half takes the new pitch");
        resetMotivicaRandForTesting();
        for (int i = 0; i < 5; ++i)
            motivicaRand();
        TNoteList group = {note(0, 13, 120), note(120, 15, 120)};
        TEffect::splitNote(group);
        EXPECT_EQ(timingOf(group),
                  (std::vector<std::pair<int32_t, int>>{{0, 120}, {120, 30}, {150, 90}}));
        EXPECT_EQ(pitchesOf(group), (std::vector<int32_t>{13, 16, 15}));
    }
    {
        SCOPED_TRACE("a sixteenth is never split: the other note is");
        resetMotivicaRandForTesting();
        TNoteList group = {note(0, 13, 30), note(30, 15, 90)};
        TEffect::splitNote(group);
        EXPECT_EQ(timingOf(group),
                  (std::vector<std::pair<int32_t, int>>{{0, 30}, {30, 30}, {60, 60}}));
        EXPECT_EQ(pitchesOf(group), (std::vector<int32_t>{13, 14, 15}));
    }
    {
        SCOPED_TRACE("a step out of range goes the other way");
        resetMotivicaRandForTesting();
        TNoteList group = {note(0, 34, 120), note(120, 32, 120)};
        TEffect::splitNote(group);
        EXPECT_EQ(pitchesOf(group), (std::vector<int32_t>{34, 33, 32}));
    }
    {
        SCOPED_TRACE("only pairs are split");
        resetMotivicaRandForTesting();
        TNoteList group = {note(0, 13, 60), note(60, 14, 60), note(120, 15, 60)};
        TEffect::splitNote(group);
        EXPECT_EQ(group.size(), 3u);
        EXPECT_EQ(motivicaRand(), 346);
    }
}

TEST(EffectTest, MergeNotesJoinsThePair) {
    resetMotivicaRandForTesting();
    TNoteList group = {note(0, 13, 60), note(60, 15, 120)};
    TEffect::mergeNotes(group);
    ASSERT_EQ(group.size(), 1u);
    EXPECT_EQ(group[0].time, 0);
    EXPECT_EQ(group[0].duration, 180);
    EXPECT_EQ(group[0].pitch, 13);  // 346 is even: note 0's pitch

    // a gap between the two is swallowed by the merged note (130: even)
    TNoteList gapped = {note(0, 13, 60), note(90, 15, 30)};
    TEffect::mergeNotes(gapped);
    EXPECT_EQ(gapped[0].duration, 120);
    EXPECT_EQ(gapped[0].pitch, 13);
    for (int i = 0; i < 3; ++i)
        motivicaRand();  // 10982, 1090, 11656
    TNoteList odd = {note(0, 13, 60), note(60, 15, 60)};
    TEffect::mergeNotes(odd);  // 7117 is odd: note 1's pitch
    EXPECT_EQ(odd[0].pitch, 15);
}

TEST(EffectTest, MirrorNonChordTonesByKindAndRange) {
    struct Case {
        const char* name;
        TURN_ROUND kind;
        std::vector<int32_t> before;
        std::vector<int32_t> after;
    };
    const std::vector<Case> cases = {
        {"auxiliary", TURN_AUXILIARY, {15, 16, 15}, {15, 14, 15}},
        {"auxiliary at the range floor", TURN_AUXILIARY, {13, 14, 13}, {13, 14, 13}},
        {"leap out", TURN_LEAP_OUT, {15, 16, 20}, {15, 14, 20}},
        {"encircling of four", TURN_ENCIRCLING, {15, 16, 13, 14}, {15, 14, 15, 14}},
        {"encircling of three", TURN_ENCIRCLING, {15, 16, 13}, {15, 14, 13}},
        {"leap in", TURN_LEAP_IN, {13, 18, 17}, {13, 16, 17}},
        {"leap in of two", TURN_LEAP_IN, {13, 18}, {13, 18}},
        {"line", TURN_LINE, {13, 14, 15}, {13, 14, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TNoteList group;
        for (size_t i = 0; i < c.before.size(); ++i)
            group.push_back(note(int32_t(i) * 30, c.before[i], 30));
        TEffect::mirrorNonChordTones(group, c.kind);
        EXPECT_EQ(pitchesOf(group), c.after);
    }
}

TEST(EffectTest, InvertMelodyKeepsNotesThatWouldLeaveTheRange) {
    TNoteList a = {note(0, 20, 60), note(60, 21, 60), note(120, 23, 60)};
    TEffect::invertMelody(a);
    EXPECT_EQ(pitchesOf(a), (std::vector<int32_t>{20, 19, 17}));

    TNoteList b = {note(0, 14, 60), note(60, 15, 60), note(120, 16, 60)};
    TEffect::invertMelody(b);
    EXPECT_EQ(pitchesOf(b), (std::vector<int32_t>{14, 13, 16}));

    // after a kept note the next interval is measured from the kept pitch
    TNoteList c = {note(0, 14, 30), note(30, 15, 30), note(60, 16, 30), note(90, 14, 30)};
    TEffect::invertMelody(c);
    EXPECT_EQ(pitchesOf(c), (std::vector<int32_t>{14, 13, 16, 18}));
}

TEST(EffectTest, NotesFitChordJudgesNonChordTones) {
    const TChord tonic = chordOfType(TChordType::TONIC_THREE_CHORD);
    struct Case {
        const char* name;
        std::vector<int32_t> pitches;
        bool fits;
    };
    const std::vector<Case> cases = {
        {"chord tones only", {13, 15, 17}, true},
        {"a leading non-chord tone resolved by step", {14, 15}, true},
        {"a leading non-chord tone left by leap", {14, 17}, false},
        {"a non-chord tone at the end", {13, 14}, true},
        {"a passing tone approached by step", {13, 14, 17}, true},
        {"approached by a leap and left by a leap", {17, 19, 13}, false},
        {"approached from a non-chord tone", {13, 14, 16, 20}, false},
        {"a measure without notes", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TNoteList notes;
        for (size_t i = 0; i < c.pitches.size(); ++i)
            notes.push_back(note(int32_t(i) * 30, c.pitches[i], 30));
        EXPECT_EQ(TEffect::notesFitChord(notes, tonic, C_MAJOR), c.fits);
    }
    TNoteList flagged = {note(0, 13, 60), note(60, 14, 60)};
    TEffect::notesFitChord(flagged, tonic, C_MAJOR);
    EXPECT_TRUE(flagged[0].chording);
    EXPECT_FALSE(flagged[1].chording);
}

TEST(EffectTest, PickFittingChordDrawsUntilOneFits) {
    TMotive motive(C_MAJOR, TMeasure());
    const TNoteList notes = {note(0, 13, 120), note(120, 15, 120)};
    resetMotivicaRandForTesting();
    // the dominant (drawn first, 346 % 2) does not hold C; the tonic (130 % 1) does
    const auto chord = TEffect::pickFittingChord(notes, motive,
                                                 {chordOfType(TChordType::DOMINANT_THREE_CHORD),
                                                  chordOfType(TChordType::TONIC_THREE_CHORD)});
    ASSERT_TRUE(chord);
    EXPECT_EQ(chord->type, TChordType::TONIC_THREE_CHORD);
    EXPECT_EQ(motivicaRand(), 10982);

    resetMotivicaRandForTesting();
    EXPECT_FALSE(
        TEffect::pickFittingChord(notes, motive, {chordOfType(TChordType::DOMINANT_THREE_CHORD)}));
    EXPECT_FALSE(TEffect::pickFittingChord(notes, motive, {}));
    EXPECT_EQ(motivicaRand(), 130);
}

TEST(EffectTest, DropNotesRemovesSomeButNeverAll) {
    for (int i = 0; i < 200; ++i) {
        TNoteList two = {note(0, 13, 120), note(120, 15, 120)};
        TEffect::dropNotes(two);
        ASSERT_EQ(two.size(), 1u);
    }
    for (int i = 0; i < 200; ++i) {
        TNoteList notes;
        for (int k = 0; k < 6; ++k)
            notes.push_back(note(k * 30, 13 + k, 30));
        TEffect::dropNotes(notes);
        ASSERT_GE(notes.size(), 1u);
        ASSERT_LE(notes.size(), 5u);
        for (const TNote& n : notes)
            ASSERT_EQ(n.time, (n.pitch - 13) * 30);  // the rest keep their times
    }
    resetMotivicaRandForTesting();
    TNoteList one = {note(0, 13, 240)};
    TEffect::dropNotes(one);
    EXPECT_EQ(one.size(), 1u);
    EXPECT_EQ(motivicaRand(), 346);
}

TEST(EffectTest, OtherEffectRetrogradeOfAMeasure) {
    TMotive motive(C_MAJOR, TMeasure());
    motive.notes = {note(0, 13, 60), note(60, 14, 120)};
    TEffect::otherEffect(motive, 3);
    EXPECT_EQ(timingOf(motive.notes), (std::vector<std::pair<int32_t, int>>{{0, 120}, {120, 60}}));
    EXPECT_EQ(pitchesOf(motive.notes), (std::vector<int32_t>{14, 13}));

    TMotive inverted(C_MAJOR, TMeasure());
    inverted.notes = {note(0, 20, 60), note(60, 21, 60), note(120, 23, 60)};
    TEffect::otherEffect(inverted, 0);
    EXPECT_EQ(pitchesOf(inverted.notes), (std::vector<int32_t>{20, 19, 17}));
}

TEST(EffectTest, OtherEffectWorksOnEachMeasureOnItsOwn) {
    // 2/4 with an anacrusis of a quarter: measure 0 holds 120..240, measure 1 240..360
    TMotive motive(C_MAJOR, TMeasure(), 120);
    motive.notes = {note(120, 13, 60), note(180, 14, 60), note(240, 15, 120), note(360, 16, 120)};
    TEffect::otherEffect(motive, 2);
    EXPECT_EQ(pitchesOf(motive.notes), (std::vector<int32_t>{14, 13, 16, 15}));
}

TEST(EffectTest, VaryMeasureFollowsTheGeneratorsSequence) {
    // With one chord in the set the draws can be followed by hand: two passes (346 % 3 + 1);
    // the first splits C (allowed: pitch retrograde, split, merge; 1090 % 3), the second
    // reverses the rhythm of the line C D E that the split made (9004 % 4).
    resetMotivicaRandForTesting();
    TMotive motive(C_MAJOR, TMeasure());
    motive.notes = {note(0, 13, 120), note(120, 15, 120)};
    const TNoteList varied =
        TEffect::varyMotive(motive, {chordOfType(TChordType::TONIC_THREE_CHORD)});
    EXPECT_EQ(timingOf(varied),
              (std::vector<std::pair<int32_t, int>>{{0, 120}, {120, 60}, {180, 60}}));
    EXPECT_EQ(pitchesOf(varied), (std::vector<int32_t>{13, 14, 15}));
    EXPECT_EQ(motivicaRand(), 14558);
    // the motive itself is untouched
    EXPECT_EQ(motive.notes.size(), 2u);
}

TEST(EffectTest, AllowedChangesByTurnKind) {
    const TNoteList equalPair = {note(0, 13, 60), note(60, 15, 60)};
    const TNoteList unequalTriple = {note(0, 13, 30), note(30, 14, 30), note(60, 15, 60)};
    TTurnRoundWithDir arpeggio(TURN_ARPEGGIO);
    EXPECT_EQ(TEffect::allowedChanges(arpeggio, equalPair),
              (std::vector<TEffect::VARY_TYPE>{TEffect::VARY_SPLIT, TEffect::VARY_MERGE}));
    arpeggio.span = 1;
    EXPECT_EQ(
        TEffect::allowedChanges(arpeggio, {note(0, 13, 30), note(30, 15, 30)}),
        (std::vector<TEffect::VARY_TYPE>{TEffect::VARY_PITCH_RETROGRADE, TEffect::VARY_MERGE}));
    EXPECT_EQ(TEffect::allowedChanges(TTurnRoundWithDir(TURN_LINE), equalPair),
              (std::vector<TEffect::VARY_TYPE>{TEffect::VARY_PITCH_RETROGRADE}));
    EXPECT_EQ(
        TEffect::allowedChanges(TTurnRoundWithDir(TURN_LEAP_OUT), unequalTriple),
        (std::vector<TEffect::VARY_TYPE>{
            TEffect::VARY_RHYTHM_RETROGRADE, TEffect::VARY_PITCH_RETROGRADE,
            TEffect::VARY_RHYTHM_SHUFFLE, TEffect::VARY_PITCH_SHUFFLE, TEffect::VARY_MIRROR}));
    EXPECT_EQ(TEffect::allowedChanges(TTurnRoundWithDir(TURN_LEAP_IN), equalPair),
              (std::vector<TEffect::VARY_TYPE>{TEffect::VARY_PITCH_RETROGRADE}));
    EXPECT_TRUE(TEffect::allowedChanges(TTurnRoundWithDir(TURN_SINGLE), equalPair).empty());
    EXPECT_TRUE(TEffect::allowedChanges(TTurnRoundWithDir(TURN_RETENTION), equalPair).empty());
}

TEST(EffectTest, RandomMotivesKeepTheirMeasuresUnderEveryEffect) {
    const TChordList set = harmonySetChords();
    resetMotivicaRandForTesting();
    for (int round = 0; round < 300; ++round) {
        const DURATION anacrusis = (round % 3 == 0) ? 60 : 0;
        TMotive motive(C_MAJOR, TMeasure(round % 2 ? 3 : 2, 120), anacrusis);
        // a random melody of sixteenth multiples, with gaps, inside the motive's span
        int32_t t = motive.startTime();
        while (t < motive.endTime()) {
            const int32_t bar = (t / motive.measureLength() + 1) * motive.measureLength();
            const int32_t room = std::min(motive.endTime(), bar) - t;
            const int32_t length = 30 * (motivicaRand() % (room / 30) + 1);
            if (motivicaRand() % 4 != 0)
                motive.notes.push_back(note(t, 13 + motivicaRand() % 22, DURATION(length)));
            t += length;
        }
        for (int effect = 0; effect < 9; ++effect) {
            SCOPED_TRACE(testing::Message() << "round " << round << " effect " << effect);
            TMotive copy = motive;
            if (effect < 6) {
                TEffect::otherEffect(copy, effect);
            } else if (effect < 8) {
                TEffect::newRhythm(copy, effect - 6);
            } else {
                copy.notes = TEffect::varyMotive(motive, set);
            }
            const int32_t length = motive.measureLength();
            for (size_t i = 0; i < copy.notes.size(); ++i) {
                const TNote& n = copy.notes[i];
                ASSERT_GE(n.time, motive.startTime());
                ASSERT_LE(n.endTime(), motive.endTime());
                // no note crosses a bar line
                ASSERT_EQ(n.time / length, (n.endTime() - 1) / length);
                ASSERT_TRUE(inMelodyRange(n.pitch));
                if (i > 0) {
                    ASSERT_LE(copy.notes[i - 1].endTime(), n.time);
                }
            }
            if (effect < 8) {
                ASSERT_EQ(copy.notes.size(), motive.notes.size());
            }
        }
    }
}

TEST(EffectTest, NewRhythmShufflesTheMeasuresRhythmUnderTheSamePitches) {
    TMotive motive(C_MAJOR, TMeasure());
    motive.notes = {note(0, 13, 120), note(120, 15, 60)};
    resetMotivicaRandForTesting();
    // the rhythm 120, 60, -60 shuffled with 346 % 2 and 130 % 3: 60, -60, 120
    TEffect::newRhythm(motive, 0);
    EXPECT_EQ(timingOf(motive.notes), (std::vector<std::pair<int32_t, int>>{{0, 60}, {120, 120}}));
    EXPECT_EQ(pitchesOf(motive.notes), (std::vector<int32_t>{13, 15}));

    // an anacrusis measure is read from the motive's start, not from its bar line
    TMotive upbeat(C_MAJOR, TMeasure(), 60);
    upbeat.notes = {note(180, 13, 60), note(240, 15, 180)};
    for (int i = 0; i < 50; ++i) {
        TMotive copy = upbeat;
        TEffect::newRhythm(copy, 1);
        ASSERT_EQ(copy.notes.size(), 2u);
        // a measure of one element has nothing to redistribute with
        ASSERT_EQ(copy.notes[0].time, 180);
        ASSERT_EQ(copy.notes[0].duration, 60);
        ASSERT_EQ(copy.notes[1].time, 240);
        ASSERT_EQ(copy.notes[1].duration, 180);
    }
}
