#pragma once

#include <cstdint>
#include <vector>

#include "generation/sc_variant.h"
#include "generation/scheme.h"
#include "model/motive.h"

// The candidates the assistant offers at time t of a motive, in ascending pitch, as a press in
// the motive's canvas sets the scheme up: the rhythm from rhythmMode (0..3), the turns and insert
// mode from notesMode (0..4), then one collection with the chord the motive holds at the start
// of t's measure, up to the end of that measure or of the motive. t must lie inside the motive.
std::vector<TScVariant> candidatesAt(TScheme& scheme, const TMotive& motive, int32_t t,
                                     int notesMode, int rhythmMode);
