#pragma once

#include <cstdint>

#include "model/duration.h"
#include "notation/note_view.h"
#include "notation/placed_item.h"

// Everything drawn in the measure bitmap for a measure's symbols: the staff lines across `width`
// pixels, the bar line, and each symbol's ledger lines, head, stem or flags, accidental, dot,
// beams and ties, or its rest. Symbols are laid out by a running time that starts at the
// measure's start; rests inside the first `lead` ticks take their room but are not drawn.
TPlacedItems layoutMeasure(const TNoteViews& views, int32_t lead, int width);

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
