#pragma once

#include <array>
#include <cstdint>

#include "model/duration.h"

constexpr int32_t DEFAULT_TEMPO = 100;
constexpr int32_t MIN_TEMPO = 50;
constexpr int32_t MAX_TEMPO = 150;

// The value each of the seven tempo categories sets ("Wide" .. "Fast").
constexpr std::array<int32_t, 7> TEMPO_CATEGORY_VALUES = {55, 70, 85, 100, 115, 130, 145};

// The category a tempo value shows as; 0 below 55.
int tempoCategory(int32_t tempo);

// Milliseconds of one quarter note: 8 x (200 - tempo).
int32_t quarterMilliseconds(int32_t tempo);
// The metronome mark: 7500 / (200 - tempo) quarters a minute, to the nearest whole one; 0 for a
// tempo that stands still.
int quartersPerMinute(int32_t tempo);
// The tempo whose quarter is nearest to a metronome mark's, kept within MIN_TEMPO..MAX_TEMPO.
int32_t tempoForQuartersPerMinute(double quarters);

// The three motive types of the editors, indices of the "motive type group".
enum class TMotiveType { IAMBUS = 0, TROCHEE = 1, AMPHIBRACHYS = 2 };

// The anacrusis a motive type gives, with d the index chosen in the duration list (d + 1
// sixteenths).
DURATION anacrusisFor(TMotiveType type, int d, int32_t measureLength);
