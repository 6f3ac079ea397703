#pragma once

#include <cstdint>
#include <vector>

#include "model/note.h"

// Melody notes that the generator, the assistant and the development ways create lie here.
constexpr int32_t MELODY_LOW = 13;
constexpr int32_t MELODY_HIGH = 34;

constexpr bool inMelodyRange(int32_t p) {
    return p >= MELODY_LOW && p <= MELODY_HIGH;
}

// The melodic figures a melody is described with: each leaves a chord tone and arrives at the
// next one.
using TURN_ROUND = uint8_t;

constexpr TURN_ROUND TURN_SINGLE = 0;
constexpr TURN_ROUND TURN_ARPEGGIO = 1;
constexpr TURN_ROUND TURN_ARPEGGIO_0 = 2;
constexpr TURN_ROUND TURN_ARPEGGIO_1 = 3;
constexpr TURN_ROUND TURN_ARPEGGIO_2 = 4;
constexpr TURN_ROUND TURN_ARPEGGIO_3 = 5;
constexpr TURN_ROUND TURN_AUXILIARY = 6;
constexpr TURN_ROUND TURN_LINE = 7;
constexpr TURN_ROUND TURN_ENCIRCLING = 8;
constexpr TURN_ROUND TURN_LEAP_IN = 9;
constexpr TURN_ROUND TURN_LEAP_OUT = 10;
constexpr TURN_ROUND TURN_RETENTION = 11;

// One turn of a pitch scheme: its kind, the directions of its moves and the size of the move
// that is not a step (counted in chord or non-chord tones, as the kind says).
struct TTurnRoundWithDir {
    TTurnRoundWithDir() = default;
    explicit TTurnRoundWithDir(TURN_ROUND kind)
        : turn(kind),
          span(kind == TURN_ENCIRCLING                           ? 1
               : (kind == TURN_LEAP_IN || kind == TURN_LEAP_OUT) ? 2
                                                                 : 0) {}

    bool operator==(const TTurnRoundWithDir&) const = default;

    TURN_ROUND turn = TURN_SINGLE;
    bool firstUp = true;
    bool secondUp = true;
    bool thirdUp = true;
    int32_t span = 0;
};

// The same figure mirrored: every direction reversed, the span kept.
TTurnRoundWithDir invertTurn(const TTurnRoundWithDir& turn);

// The turns of one measure.
using TTurnWithDirVector = std::vector<TTurnRoundWithDir>;

// The reference pitch near which the generator starts a measure.
struct TLight {
    bool operator==(const TLight&) const = default;
    int32_t referencePitch = 20;
};

// A group of notes (analysis) or the last notes before an insertion point, nearest first.
using TTurnVector = std::vector<TNote>;
