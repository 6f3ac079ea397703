#pragma once

#include <cstdint>

#include "model/duration.h"
#include "notation/notation_metrics.h"
#include "notation/note_view.h"
#include "notation/placed_item.h"

// Where the notes of a measure stand: `margin` pixels after its bar line, then `sixteenth`
// pixels a sixteenth. The canvases keep the fixed grid; a printed system stretches it to fill
// its line.
struct TMeasureSpacing {
    int margin = MEASURE_MARGIN;
    double sixteenth = PIXELS_PER_SIXTEENTH;

    // The x of a note t ticks after the measure's start.
    int x(int32_t t) const;
};

// Everything drawn in the measure bitmap for a measure's symbols: the staff lines across `width`
// pixels, the bar line, and each symbol's ledger lines, head, stem or flags, accidental, dot,
// beams and ties, or its rest. Symbols are laid out by a running time that starts at the
// measure's start; rests inside the first `lead` ticks take their room but are not drawn.
TPlacedItems layoutMeasure(const TNoteViews& views, int32_t lead, int width);
TPlacedItems layoutMeasure(const TNoteViews& views, int32_t lead, int width,
                           const TMeasureSpacing& spacing);

// The items of one measure of the motive: the notes at indices first..last (exclusive) that start
// in [start, start + the measure's length), or before the limit when that is earlier.
TPlacedItems layoutMotiveMeasure(const TMotive& motive, size_t first, size_t last, int32_t start,
                                 DURATION beatLength, int32_t beatsPerMeasure, int32_t lead,
                                 int32_t limit, int width);

// The glyph a rest of the given length is drawn with, and the y of its top.
TGlyph restGlyph(int32_t duration);
int restTop(int32_t duration);

// The ledger lines a note at position p needs, centred on x.
void addLedgerLines(TPlacedItems& items, int x, int32_t p);

// A note head of the given length, hollow from a half on, for a stem up or down.
TGlyph noteHeadGlyph(int32_t duration, bool up);
// Two flags for a sixteenth, one for an eighth, a plain stem up to a half, none for a whole.
TGlyph stemGlyph(int32_t duration, bool up);
// The accidental (a sharp, a double sharp or a natural; only raised notes are marked) before
// the head centred on (x, y), and the dot after a dotted length's head.
void addAccidental(TPlacedItems& items, int x, int y, uint8_t code);
void addDot(TPlacedItems& items, int x, int y, int32_t duration);
// A tie from the head centred on fromX to the one on toX at position p, bending below the heads
// or above them.
void addTie(TPlacedItems& items, int fromX, int toX, int32_t p, bool below);
