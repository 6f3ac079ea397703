#pragma once

#include <array>
#include <cstdint>

#include "model/key.h"

// Geometry of the measure bitmap: one measure of a grand staff, 23 pixels per sixteenth after a
// 19-pixel margin, one diatonic step per 5 pixels.
constexpr int MEASURE_BITMAP_HEIGHT = 151;
constexpr int MEASURE_MARGIN = 19;
constexpr int PIXELS_PER_SIXTEENTH = 23;
constexpr int TICKS_PER_SIXTEENTH = 30;
constexpr std::array<int, 5> TREBLE_LINES = {30, 40, 50, 60, 70};
constexpr std::array<int, 5> BASS_LINES = {90, 100, 110, 120, 130};
constexpr int STAFF_TOP = 30;
constexpr int STAFF_BOTTOM = 130;
// Positions from middle C up belong to the treble staff.
constexpr int TREBLE_LOWEST = 20;

// The motive canvas: the measure bitmap is copied to y 1 and the chord band lies below it.
constexpr int CANVAS_EXTRA_WIDTH = 21;
constexpr int CANVAS_HEIGHT = 180;
constexpr int CANVAS_MEASURE_TOP = 1;
constexpr int CHORD_BAND_TOP = 153;
constexpr int CHORD_LABEL_TOP = 156;
constexpr TRgb WHITE = 0xFFFFFF;
constexpr TRgb FACE_COLOUR = 0xD4D0C8;

// The y of a note centre at diatonic position p: F5 (30) on the top line at 30, middle C (20)
// at 80, G2 (10) on the bottom line at 130.
constexpr int pitchY(int32_t p) {
    return 180 - 5 * p;
}

// The x of a note that starts t ticks after the start of the painted measure.
constexpr int timeX(int32_t t) {
    return MEASURE_MARGIN + (t / TICKS_PER_SIXTEENTH) * PIXELS_PER_SIXTEENTH;
}

// Width of a measure of the given length in ticks.
constexpr int measureWidth(int32_t ticks) {
    return (ticks / TICKS_PER_SIXTEENTH) * PIXELS_PER_SIXTEENTH + MEASURE_MARGIN;
}

// A stem goes up for a note below the middle line of its staff (D3 in the bass, B4 in the
// treble), down otherwise.
constexpr bool stemUp(int32_t p) {
    return (p >= 0 && p < 14) || (p >= 20 && p < 26);
}
