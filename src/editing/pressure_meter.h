#pragma once

#include <cstdint>

#include "editing/clip_maker.h"

// A meter beside an edge of the pointer's zone that fills from the foot of the pane as the
// pressure against that edge builds, so that a student sees the push doing something.
struct TPressureMeter {
    TRectWithCheck track;  // the whole meter
    TRectWithCheck fill;   // the part filled so far; empty at the initial pressure

    bool operator==(const TPressureMeter&) const = default;
};

constexpr int32_t PRESSURE_METER_WIDTH = 5;
constexpr int32_t PRESSURE_METER_TOP = 32;  // under the rhythm strip

// The meter along the edge at pane x `edgeX`, on its inner side (`inward` -1: to the left of
// the edge, +1: to the right), for a direction whose pressure has `percentLeft` (0..100) of its
// way still to go, from `top` down to `bottom`.
TPressureMeter pressureMeter(int32_t edgeX, int inward, int32_t percentLeft, int32_t bottom,
                             int32_t top = PRESSURE_METER_TOP);
