#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "harmony/chord.h"
#include "model/motive.h"
#include "notation/placed_item.h"

// What the notation tests build motives from and look for in what was laid out.

// A motive of these notes in the meter and key given, the default ones otherwise.
inline TMotive motiveOf(const std::vector<TNote>& notes, TMeasure meter = TMeasure(),
                        TKey key = TKey()) {
    TMotive m(key, meter);
    m.notes = notes;
    return m;
}

// The chord of this type starting at `time`.
inline TChord chordAt(const char* name, int32_t time) {
    TChord c = chordFromTypeName(name);
    c.time = time;
    return c;
}

// The items of one kind, in the order they were placed.
inline std::vector<TPlacedItem> ofKind(const TPlacedItems& items, TItemKind kind) {
    std::vector<TPlacedItem> found;
    std::copy_if(items.begin(), items.end(), std::back_inserter(found),
                 [kind](const TPlacedItem& i) { return i.kind == kind; });
    return found;
}
