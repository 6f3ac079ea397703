#pragma once

#include <cstddef>
#include <vector>

#include "generation/scheme.h"
#include "model/motive.h"
#include "model/period_data.h"

// Chooses a chord for every measure of the motive, as the canvas does after a new composition:
// the succession rule from the chord before, the voice leading from it, the tonic triad (one
// measure, or the measure after the anacrusis) or the dominant triad (the anacrusis) when it
// can follow, else a random candidate. previous and kind are what previousMotive answers; with a
// previous motive and an anacrusis its last chord is carried over the bar line. The notes'
// chord-tone flags are left as they are; the motive's listener is not told.
void selectChords(TMotive& motive, const TMotive* previous, int kind, const TScheme& scheme);

// Harmonises the motives at the given indices of the period order, one after another, each with
// the previous motive and kind the period structure gives at that moment; then recomputes their
// notes' chord-tone flags against the new chords. Indices outside the period are skipped.
void harmonizePeriod(TPeriodData& period, const std::vector<size_t>& motiveIndices,
                     const TScheme& scheme);

// Harmonises every motive in period order with the default scheme, starting the random generator
// from its initial state: the same period always gets the same chords, as on a first run.
void harmonizeEveryMotive(TPeriodData& period);
