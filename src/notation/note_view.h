#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/duration.h"
#include "model/key.h"

class TMotive;

// What a symbol is: a note or rest of its own, a member of a beamed group, or one part of a pair
// of tied notes.
constexpr uint8_t NOTE_VIEW_SINGLE = 0;
constexpr uint8_t NOTE_VIEW_BEAMED = 1;
constexpr uint8_t NOTE_VIEW_TIED = 2;

// How a note head is coloured.
constexpr uint8_t STYLE_CHORD_TONE = 0;
constexpr uint8_t STYLE_NON_CHORD_TONE = 1;
constexpr uint8_t STYLE_SOUNDING = 2;

// Rest lengths a silence is drawn with, longest first.
constexpr DURATION REST_DECOMPOSITION[] = {480, 240, 180, 120, 90, 60, 30};

// One symbol of a painted measure.
struct TNoteView {
    int32_t pitch = NO_PITCH;              // diatonic position; NO_PITCH for a rest
    uint8_t accidental = ACCIDENTAL_NONE;  // code of TKey::accidentalFor
    DURATION duration = 0;                 // length in ticks, positive for rests too
    uint8_t kind = NOTE_VIEW_SINGLE;
    // Beamed: the group size minus 1 in the group's first member, the member's index in the
    // others. Tied: 1 when tied to the next part, 0 for the last part.
    int32_t link = 0;
    uint8_t style = STYLE_CHORD_TONE;

    bool isRest() const { return pitch == NO_PITCH; }
    bool operator==(const TNoteView&) const = default;
};

using TNoteViews = std::vector<TNoteView>;

constexpr bool isBeamable(int32_t duration) {
    return duration == 30 || duration == 60 || duration == 90;
}

constexpr bool isDotted(int32_t duration) {
    return duration == 90 || duration == 180;
}

// The symbols of one measure [start, end) of the motive, from the notes at indices first..last
// (exclusive) that start in it. A non-zero lead (the part of the measure before a motive with
// anacrusis begins) comes first as rests; gaps become rests; eighths and sixteenths within one
// beat of one staff are beamed; 150 and 210 become a quarter tied to the rest of the length.
// Only the first raised seventh of the measure carries its accidental.
TNoteViews buildMeasureViews(const TMotive& motive, size_t first, size_t last, int32_t start,
                             int32_t end, DURATION beatLength, int32_t lead);

// Appends rests of a total length, each the longest of REST_DECOMPOSITION that fits; a remainder
// shorter than a sixteenth is not drawn.
void appendRestViews(TNoteViews& views, int32_t length);
