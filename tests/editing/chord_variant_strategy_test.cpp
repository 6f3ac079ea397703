#include "editing/chord_variant_strategy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "development/chord_motive_variant_model.h"
#include "development/raw_variant_model.h"
#include "generation/scheme.h"
#include "playback/sound_chord.h"
#include "support/fake_variant_view.h"

namespace {

using TNames = std::vector<std::string>;

TNames names(const std::vector<TChord>& chords) {
    TNames n;
    for (const TChord& c : chords) {
        n.push_back(std::string(chordTypeName(c.type)));
    }
    return n;
}

// C major, 2/4, an anacrusis of a quarter: the motive runs from 120 to 360, its chords stand at
// 0 (the anacrusis measure) and 240.
TMotive anacrusisMotive() {
    return TMotive(TKey(0, MAJOR), TMeasure(2, 120), 120);
}

// The keys sounding on the draft chord channel.
std::set<int16_t> soundingChordKeys(const TRecordingMidiOutput& out) {
    std::set<int16_t> keys;
    for (const auto& [channelAndKey, count] : out.sounding) {
        if (channelAndKey.first == DRAFT_CHORD_CHANNEL && count > 0) {
            keys.insert(channelAndKey.second);
        }
    }
    return keys;
}

std::set<int16_t> keysOf(const TChord& chord, const TKey& key) {
    std::set<int16_t> keys;
    for (int32_t p : chord.voicing()) {
        keys.insert(static_cast<int16_t>(key.pitch(p)));
    }
    return keys;
}

class ChordVariantStrategyTest : public ::testing::Test {
  protected:
    void open(TVariantModel& model) { rig.view.open(scheme, model, 100, 600); }

    // The user moves the mouse to a point of the view; the pointer stays inside its zone.
    void moveTo(int32_t x, int32_t y) {
        const TScreenPoint o = rig.view.viewOrigin();
        rig.pointer.setPos({o.x + x, o.y + y});
        const TScreenPoint p = rig.pointer.pos();
        rig.view.mouseMoved(0, p.x, p.y);
    }

    TChordVariantStrategy& pane(int i) {
        return dynamic_cast<TChordVariantStrategy&>(*rig.view.strategy(i));
    }

    // The zone in force, in view coordinates.
    TScreenRect zone() {
        const TScreenPoint o = rig.view.viewOrigin();
        const TScreenRect r = rig.view.clipMaker().currentClip().rect;
        return {r.left - o.x, r.top - o.y, r.right - o.x, r.bottom - o.y};
    }
    int32_t zoneId() { return rig.view.clipMaker().currentId(); }

    TVariantViewRig rig;
    TScheme scheme;
};

// Pane 1's pane-local x in view coordinates.
constexpr int32_t right(int32_t local) {
    return PANE_BOUNDARY + local;
}

TEST_F(ChordVariantStrategyTest, TheAnacrusisOfTheFirstMotiveLeadsIntoTheDominant) {
    TMotive motive = anacrusisMotive();
    {
        SCOPED_TRACE("the first motive's anacrusis: order 15 onwards, then the tonic group");
        TChordMotiveVariantModel model(motive, nullptr, motive.startTime(), 0);
        open(model);
        EXPECT_TRUE(pane(0).isEmpty());
        EXPECT_EQ(
            names(pane(1).candidates()),
            (TNames{"DOMINANT_THREE_CHORD", "LOWM_SIXTH_CHORD", "DOMINANT_SIXTH_CHORD",
                    "DOMINANT_FOUR_CHORD", "DOMINANT_SIXTH_FIFTH_CHORD", "TOPINTRO_SIXTH_CHORD",
                    "TOPINTRO_FOUR_CHORD", "TONIC_THREE_CHORD", "TONIC_SIXTH_CHORD",
                    "TONIC_FOUR_CHORD", "TOPM_THREE_CHORD", "LOWM_THREE_CHORD"}));
        // the measure after it, with no chord before, may start anywhere
        EXPECT_TRUE(pane(1).prepareCandidates(240));
        EXPECT_EQ(pane(1).candidates().size(), 21u);
        EXPECT_EQ(pane(1).candidates().front().type, TChordType::TONIC_THREE_CHORD);
        // the motive's end offers nothing
        EXPECT_FALSE(pane(1).prepareCandidates(360));
        EXPECT_TRUE(pane(1).isEmpty());
        rig.view.close();
    }
    {
        SCOPED_TRACE("a first motive without anacrusis starts from the beginning");
        TChordMotiveVariantModel model(motive, nullptr, motive.startTime(), 1);
        open(model);
        EXPECT_EQ(pane(1).candidates().size(), 21u);
        rig.view.close();
    }
}

TEST_F(ChordVariantStrategyTest, ArrangementsStayWithinSevenStepsOfThePreviousSoprano) {
    TMotive motive = anacrusisMotive();
    TChord previous = chordOfType(TChordType::SUBDOMINANT_THREE_CHORD);
    previous.time = 0;
    previous.setVoicing(30, 27, 25, 16);  // F A C over F, soprano F5
    motive.chords = {previous};
    TChordMotiveVariantModel model(motive, nullptr, motive.startTime(), 4);
    model.setStartPosition(240);
    open(model);

    const std::vector<TChord>& candidates = pane(1).candidates();
    ASSERT_FALSE(candidates.empty());
    // the bass options are chosen against the subdominant's bass
    EXPECT_EQ(pane(1).connection().bassContext().previousBass, 16);
    // after the subdominant (order 6) come the chords of order 6 and on, then the tonic group
    EXPECT_EQ(candidates.front().type, TChordType::SUBDOMINANT_THREE_CHORD);
    int32_t lowest = 100;
    int32_t highest = -1;
    for (const TChord& c : candidates) {
        SCOPED_TRACE(chordTypeName(c.type));
        EXPECT_TRUE(c.order >= 6 || c.tonicGroup);
        for (const TChordArrangementMap& map : c.arrangementMaps) {
            for (const auto& [soprano, arrangement] : map) {
                EXPECT_GE(soprano, 23);
                EXPECT_LE(soprano, 34);
                lowest = std::min(lowest, soprano);
                highest = std::max(highest, soprano);
            }
        }
    }
    EXPECT_EQ(lowest, 23);
    EXPECT_EQ(highest, 34);
}

TEST_F(ChordVariantStrategyTest, AChordThatNoSopranoMoveReachesIsNotOffered) {
    TMotive motive = anacrusisMotive();
    TChord previous = chordOfType(TChordType::DOMINANT_SIXTH_FIFTH_CHORD);
    previous.time = 0;
    previous.setVoicing(24, 23, 21, 12);  // G F D over B
    motive.chords = {previous};
    TChordMotiveVariantModel model(motive, nullptr, motive.startTime(), 4);
    model.setStartPosition(240);
    open(model);

    // the succession alone would offer the sixth-degree triad among the tonic group
    const TNames bySuccession = names(scheme.chordCandidates(motive.key, 17));
    ASSERT_NE(std::find(bySuccession.begin(), bySuccession.end(), "TOPM_THREE_CHORD"),
              bySuccession.end());
    EXPECT_EQ(names(pane(1).candidates()),
              (TNames{"DOMINANT_FOUR_CHORD", "DOMINANT_SIXTH_FIFTH_CHORD", "TOPINTRO_SIXTH_CHORD",
                      "TOPINTRO_FOUR_CHORD", "TONIC_THREE_CHORD", "TONIC_SIXTH_CHORD",
                      "TONIC_FOUR_CHORD", "LOWM_THREE_CHORD"}));
    const std::vector<TMotionFlags>& motions = pane(1).candidateMotions();
    ASSERT_EQ(motions.size(), pane(1).candidates().size());
    for (size_t i = 0; i < motions.size(); ++i) {
        SCOPED_TRACE(chordTypeName(pane(1).candidates()[i].type));
        EXPECT_TRUE(hasSopranoMove(motions[i]));
    }
}

TEST_F(ChordVariantStrategyTest, TheGridZoneIsAsWideAsEightCellsAtMost) {
    TMotive motive = anacrusisMotive();
    {
        SCOPED_TRACE("21 candidates: 8 cells, 152 pixels");
        TChordMotiveVariantModel model(motive, nullptr, motive.startTime(), 1);
        open(model);
        moveTo(300, 225);
        ASSERT_EQ(rig.view.activePane(), 1);
        EXPECT_EQ(zoneId(), CHORD_GRID_ZONE);
        EXPECT_EQ(zone().left, PANE_BOUNDARY);
        EXPECT_EQ(zone().right, PANE_BOUNDARY + 1 + 152);
        EXPECT_EQ(zone().top, 0);
        EXPECT_EQ(zone().bottom, VIEW_HEIGHT);
        // the same in the left pane, growing leftwards from the boundary
        ASSERT_TRUE(pane(0).prepareCandidates(240));
        pane(0).activate(0);
        EXPECT_EQ(zone().left, PANE_BOUNDARY - 152);
        EXPECT_EQ(zone().right, PANE_BOUNDARY + 1);
        rig.view.close();
    }
    {
        SCOPED_TRACE("3 candidates: 57 pixels");
        // C G E in the anacrusis: only the tonic, its sixth chord and its seventh chord fit
        motive.notes = {TNote(120, 20, 30), TNote(150, 24, 30), TNote(180, 22, 60)};
        TRawVariantModel model(motive, nullptr, motive.startTime(), 0);
        open(model);
        ASSERT_EQ(names(pane(1).candidates()),
                  (TNames{"TONIC_THREE_CHORD", "TONIC_SIXTH_CHORD", "TONIC_FOUR_CHORD"}));
        moveTo(300, 225);
        EXPECT_EQ(zone().left, PANE_BOUNDARY);
        EXPECT_EQ(zone().right, PANE_BOUNDARY + 1 + 57);
        // the pointer is held inside
        EXPECT_EQ(rig.pointer.pos().x - rig.view.viewOrigin().x, PANE_BOUNDARY + 57);
        rig.view.close();
    }
}

TEST_F(ChordVariantStrategyTest, MovingSidewaysBelowTheGridFollowsTheSnakeOfCells) {
    TMotive motive = anacrusisMotive();
    TChordMotiveVariantModel model(motive, nullptr, motive.startTime(), 1);
    open(model);
    ASSERT_EQ(pane(1).candidates().size(), 21u);
    ASSERT_EQ(pane(1).rows(), 3);
    const int32_t band = 3 * CHORD_ROW_HEIGHT;

    // 9 pixels into the column of cells under the pointer; column 0 is next to the boundary
    auto columnX = [](int32_t col) { return right(9 + CHORD_CELL_WIDTH * col); };
    struct TStep {
        int32_t col;
        int32_t index;
        int32_t row;
    };
    const std::vector<TStep> steps = {
        {0, 0, 0},  {1, 1, 0},  {2, 2, 0},  {3, 3, 0},  {4, 4, 0},  {5, 5, 0},
        {6, 6, 0},  {7, 7, 1},  {6, 8, 1},  {5, 9, 1},  {4, 10, 1}, {3, 11, 1},
        {2, 12, 1}, {1, 13, 1}, {0, 14, 2}, {1, 15, 2},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE("column " + std::to_string(s.col) + ", chord " + std::to_string(s.index));
        moveTo(columnX(s.col), 200);
        EXPECT_EQ(pane(1).hoveredIndex(), s.index);
        EXPECT_EQ(pane(1).hoveredRow(), s.row);
        EXPECT_EQ(pane(1).entryY(), 200);
        // the chord's column opens around the pointer
        EXPECT_EQ(pane(1).columnUpper().bottom, 190);
        EXPECT_EQ(pane(1).columnLower().top, 210);
        EXPECT_FALSE(pane(1).arrangementChosen());
    }
    {
        SCOPED_TRACE("moving down out of the gap closes the column and keeps the chord");
        moveTo(columnX(1), 215);
        EXPECT_EQ(pane(1).hoveredIndex(), 15);
        EXPECT_EQ(pane(1).entryY(), 0);
        EXPECT_EQ(pane(1).columnUpper(), pane(1).columnLower());
        // inside the closed column the pointer is held to the chord's column zone
        moveTo(columnX(1), 220);
        EXPECT_EQ(pane(1).hoveredIndex(), 15);
        EXPECT_EQ(zoneId(), CHORD_COLUMN_ZONE);
    }
    rig.view.close();

    {
        SCOPED_TRACE("just under the grid the column does not open around the pointer");
        TChordMotiveVariantModel again(motive, nullptr, motive.startTime(), 1);
        open(again);
        moveTo(columnX(0), band + 1);
        EXPECT_EQ(pane(1).hoveredIndex(), 0);
        EXPECT_EQ(pane(1).entryY(), 0);
        // so a step sideways stays in the chord's column
        moveTo(columnX(1), band + 1);
        EXPECT_EQ(pane(1).hoveredIndex(), 0);
        rig.view.close();
    }
}

TEST_F(ChordVariantStrategyTest, TouchingTheChosenMarkAgainDropsTheChoice) {
    TMotive motive = anacrusisMotive();
    TChordMotiveVariantModel model(motive, nullptr, motive.startTime(), 1);
    open(model);
    moveTo(right(9), 75);  // the first cell, in the lowest row of three
    ASSERT_EQ(pane(1).hoveredIndex(), 0);
    moveTo(right(9), 150);
    EXPECT_EQ(zoneId(), CHORD_COLUMN_ZONE);
    ASSERT_FALSE(pane(1).arrangementHits().empty());
    const auto [mark, arrangement] = pane(1).arrangementHits().front();
    const int32_t y = mark.top + 5;
    const int32_t onMark = right(mark.left + 4);
    const int32_t outward = right(mark.right + 4);

    moveTo(outward, y);
    EXPECT_EQ(pane(1).hoverRect(), mark);
    EXPECT_FALSE(pane(1).arrangementChosen());
    EXPECT_TRUE(motive.chords.empty());

    moveTo(onMark, y);
    ASSERT_TRUE(pane(1).arrangementChosen());
    EXPECT_EQ(pane(1).chosenArrangement(), arrangement);
    EXPECT_EQ(zoneId(), CHORD_ARRANGEMENT_ZONE);
    ASSERT_EQ(motive.chords.size(), 1u);
    const TVoicing applied = motive.chords.front().voicing();

    {
        SCOPED_TRACE("staying on the mark keeps the choice");
        moveTo(onMark + 1, y);
        EXPECT_TRUE(pane(1).arrangementChosen());
    }
    moveTo(outward, y);
    EXPECT_TRUE(pane(1).arrangementChosen());
    moveTo(onMark, y);
    EXPECT_FALSE(pane(1).arrangementChosen());
    EXPECT_EQ(pane(1).bassOption(), -1);
    // nothing left to commit: the pushing edge is the column's again
    EXPECT_EQ(zoneId(), CHORD_COLUMN_ZONE);
    // the chord applied last stays in the motive
    ASSERT_EQ(motive.chords.size(), 1u);
    EXPECT_EQ(motive.chords.front().voicing(), applied);

    {
        SCOPED_TRACE("and touching it once more chooses it again");
        moveTo(outward, y);
        moveTo(onMark, y);
        EXPECT_TRUE(pane(1).arrangementChosen());
    }
    rig.view.close();
}

TEST_F(ChordVariantStrategyTest, AChordIsChosenVoicedAndCommittedInOneGesture) {
    TMotive motive = anacrusisMotive();
    TChordMotiveVariantModel model(motive, nullptr, motive.startTime(), 0);
    rig.host.delay = 14;
    open(model);
    ASSERT_EQ(rig.view.activePane(), 0);
    ASSERT_EQ(pane(1).rows(), 2);

    // into the right pane, onto the first cell: the dominant triad
    moveTo(right(9), 45);
    ASSERT_EQ(rig.view.activePane(), 1);
    ASSERT_EQ(pane(1).hoveredIndex(), 0);
    ASSERT_EQ(pane(1).candidates()[0].type, TChordType::DOMINANT_THREE_CHORD);

    // down the column to an arrangement with more than one bass
    moveTo(right(9), 150);
    const auto& hits = pane(1).arrangementHits();
    const auto found = std::find_if(
        hits.begin(), hits.end(), [](const auto& hit) { return hit.second.bassOptionCount >= 2; });
    ASSERT_NE(found, hits.end());
    const TRectWithCheck mark = found->first;
    const TChordArrangement arrangement = found->second;
    moveTo(right(mark.right + 4), mark.top + 5);
    EXPECT_EQ(pane(1).hoverRect(), mark);
    moveTo(right(mark.left + 4), mark.top + 5);
    ASSERT_TRUE(pane(1).arrangementChosen());

    {
        SCOPED_TRACE("the chosen voicing is in the motive and sounds on the draft chord channel");
        ASSERT_EQ(motive.chords.size(), 1u);
        const TChord& chord = motive.chords.front();
        EXPECT_EQ(chord.type, TChordType::DOMINANT_THREE_CHORD);
        EXPECT_EQ(chord.time, 0);
        const int32_t option = pane(1).bassOption();
        ASSERT_GE(option, 0);
        ASSERT_LT(option, arrangement.bassOptionCount);
        EXPECT_EQ(chord.voicing(),
                  (TVoicing{arrangement.upper[0], arrangement.upper[1], arrangement.upper[2],
                            arrangement.bassOptions[size_t(option)]}));
        const auto& messages = rig.host.output.messages;
        ASSERT_GE(messages.size(), 4u);
        const std::vector<int16_t> velocities = {100, 80, 80, 120};
        for (size_t v = 0; v < 4; ++v) {
            const auto& m = messages[messages.size() - 4 + v];
            EXPECT_TRUE(m.on);
            EXPECT_EQ(m.channel, DRAFT_CHORD_CHANNEL);
            EXPECT_EQ(m.key, motive.key.pitch(chord.voicing()[v]));
            EXPECT_EQ(m.velocity, velocities[v]);
        }
        // the left pane now offers what may follow the dominant in the next measure
        ASSERT_FALSE(pane(0).isEmpty());
        for (const TChord& c : pane(0).candidates()) {
            EXPECT_TRUE(c.order >= 15 || c.tonicGroup) << chordTypeName(c.type);
        }
    }

    const int32_t first = pane(1).bassOption();
    const int32_t other = first == 0 ? 1 : 0;
    const TRectWithCheck bass = pane(1).bassRect();
    const int32_t bassY = bass.top + 10 * other + 5;
    {
        SCOPED_TRACE("another bass option");
        moveTo(right(bass.left + 4), bassY);
        EXPECT_EQ(pane(1).bassOption(), other);
        ASSERT_EQ(motive.chords.size(), 1u);
        EXPECT_EQ(motive.chords.front().bass, arrangement.bassOptions[size_t(other)]);
        EXPECT_EQ(motive.chords.front().soprano, arrangement.upper[0]);
        // the first voicing was released, only the new one sounds
        EXPECT_EQ(soundingChordKeys(rig.host.output), keysOf(motive.chords.front(), motive.key));
        EXPECT_EQ(zoneId(), CHORD_ARRANGEMENT_ZONE);
    }

    {
        SCOPED_TRACE("pushing through the arrangement zone's inner edge commits the chord");
        const int32_t edge = zone().left;
        EXPECT_EQ(edge, right(mark.left - 1));
        int events = 0;
        while (!pane(1).committed() && events < 100) {
            const int32_t before = rig.view.clipMaker().direction(SIDE_LEFT)->pressure;
            moveTo(edge, bassY);
            ++events;
            if (pane(1).committed()) {
                break;
            }
            const int32_t after = rig.view.clipMaker().direction(SIDE_LEFT)->pressure;
            // every push is followed by one check that only records where the pointer is
            EXPECT_EQ(after - before, events % 2 == 1 ? 14 : 0) << "event " << events;
            EXPECT_TRUE(pane(1).arrangementChosen());
        }
        // 128 + 10 * 14 = 268 breaks through, 9 pushes reach only 254
        EXPECT_EQ(events, 19);
        EXPECT_TRUE(pane(1).isEmpty());
        EXPECT_EQ(pane(1).currentChord().voicing(), motive.chords.front().voicing());
        EXPECT_EQ(zoneId(), CHORD_GRID_ZONE);
        EXPECT_EQ(zone(), (TScreenRect{0, 0, VIEW_WIDTH, VIEW_HEIGHT}));
        EXPECT_EQ(motive.chords.front().bass, arrangement.bassOptions[size_t(other)]);
    }

    {
        SCOPED_TRACE("crossing into the left pane moves on to the next measure");
        moveTo(150, 225);
        EXPECT_EQ(rig.view.activePane(), 0);
        EXPECT_EQ(model.startPosition(), 240);
        EXPECT_FALSE(pane(0).isEmpty());
        EXPECT_EQ(pane(0).currentChord().voicing(), motive.chords.front().voicing());
        const int32_t cells = std::min<int32_t>(int32_t(pane(0).candidates().size()), 8);
        EXPECT_EQ(zone().left, PANE_BOUNDARY - CHORD_CELL_WIDTH * cells);
        EXPECT_EQ(zone().right, PANE_BOUNDARY + 1);
    }

    rig.view.close();
    EXPECT_TRUE(rig.host.output.silent());
    EXPECT_FALSE(rig.surface.visible);
    ASSERT_EQ(motive.chords.size(), 1u);
    EXPECT_EQ(motive.chords.front().type, TChordType::DOMINANT_THREE_CHORD);
}

}  // namespace
