#include "notation/beam_groups.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr TBeam N = TBeam::NONE;
constexpr TBeam B = TBeam::BEGIN;
constexpr TBeam C = TBeam::CONTINUE;
constexpr TBeam E = TBeam::END;

// Notes laid end to end from the measure's start; a negative length is a rest.
std::vector<TWrittenNote> written(std::vector<int32_t> lengths) {
    std::vector<TWrittenNote> notes;
    int32_t t = 0;
    for (int32_t l : lengths) {
        notes.push_back({t, l < 0 ? -l : l, l < 0});
        t += l < 0 ? -l : l;
    }
    return notes;
}

std::vector<TBeam> primary(const std::vector<TNoteBeams>& beams) {
    std::vector<TBeam> levels;
    for (const TNoteBeams& b : beams)
        levels.push_back(b.primary);
    return levels;
}

std::vector<TBeam> secondary(const std::vector<TNoteBeams>& beams) {
    std::vector<TBeam> levels;
    for (const TNoteBeams& b : beams)
        levels.push_back(b.secondary);
    return levels;
}

TEST(BeamGroupsTest, EachMeterGroupsByItsBeat) {
    EXPECT_EQ(beamGroupLength(TMeasure(2, 120)), 120);  // 2/4 by the quarter
    EXPECT_EQ(beamGroupLength(TMeasure(3, 120)), 120);  // 3/4 by the quarter
    EXPECT_EQ(beamGroupLength(TMeasure(3, 60)), 180);   // 3/8 by the dotted quarter
    EXPECT_EQ(beamGroupLength(TMeasure(6, 60)), 180);   // 6/8 by the dotted quarter
    EXPECT_EQ(beamGroupLength(TMeasure(2, 60)), 120);   // 2/8 as one group

    const TMeasure twoFour(2, 120);
    EXPECT_EQ(primary(beamNotes(twoFour, written({60, 60, 60, 60}))), (std::vector{B, E, B, E}));
    EXPECT_EQ(primary(beamNotes(TMeasure(3, 120), written({60, 60, 60, 60, 60, 60}))),
              (std::vector{B, E, B, E, B, E}));
    EXPECT_EQ(primary(beamNotes(TMeasure(3, 60), written({60, 60, 60}))), (std::vector{B, C, E}));
    EXPECT_EQ(primary(beamNotes(TMeasure(6, 60), written({60, 60, 60, 60, 60, 60}))),
              (std::vector{B, C, E, B, C, E}));
    EXPECT_EQ(primary(beamNotes(TMeasure(2, 60), written({30, 30, 30, 30}))),
              (std::vector{B, C, C, E}));
}

TEST(BeamGroupsTest, RestsLongNotesAndGroupEndsBreakTheBeam) {
    const TMeasure twoFour(2, 120);
    // a quarter and a lone eighth keep their flags
    EXPECT_EQ(primary(beamNotes(twoFour, written({120, 60, -60}))), (std::vector{N, N, N}));
    // a rest between eighths of one group
    EXPECT_EQ(primary(beamNotes(TMeasure(3, 60), written({60, -60, 60}))), (std::vector{N, N, N}));
    // an eighth crossing the beat is beamed with nothing
    EXPECT_EQ(primary(beamNotes(twoFour, written({90, 60, 90}))), (std::vector{N, N, N}));
    EXPECT_EQ(primary(beamNotes(twoFour, written({30, 60, 30, 120}))), (std::vector{B, C, E, N}));
    // only notes that follow one another: a gap (another voice's time) breaks it
    EXPECT_EQ(primary(beamNotes(twoFour, {{0, 30, false}, {60, 30, false}})), (std::vector{N, N}));
}

TEST(BeamGroupsTest, SixteenthsShareASecondBeamAndLoneOnesGetAHook) {
    const TMeasure twoFour(2, 120);
    const std::vector<TNoteBeams> run = beamNotes(twoFour, written({30, 30, 30, 30, 60, 30, 30}));
    EXPECT_EQ(primary(run), (std::vector{B, C, C, E, B, C, E}));
    EXPECT_EQ(secondary(run), (std::vector{B, C, C, E, N, B, E}));
    // dotted eighth and sixteenth, and the other way round
    EXPECT_EQ(secondary(beamNotes(twoFour, written({90, 30, 30, 90}))),
              (std::vector{N, TBeam::BACKWARD_HOOK, TBeam::FORWARD_HOOK, N}));
    EXPECT_EQ(primary(beamNotes(twoFour, written({90, 30, 30, 90}))), (std::vector{B, E, B, E}));
}

}  // namespace
