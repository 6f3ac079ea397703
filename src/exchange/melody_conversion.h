#pragma once

#include <string>
#include <vector>

#include "exchange/imported_melody.h"
#include "model/period_data.h"

// A melody fitted to the model, and one line for every change the fitting made.
struct TMelodyImport {
    TPeriodData period;
    std::vector<std::string> report;
};

// Fits a melody to the model: the meter must be one a new composition offers and a pickup one of
// the up-beats it allows; the key is the file's or the one that leaves the fewest notes outside
// it; chords keep their top note, lengths go to the sixteenth grid, notes outside the key or the
// range move to the nearest position of the key; measures become motives (an up-beat joins the
// motive after it) in the smallest period shape that holds them, lettered as a new composition
// is. The period is named "Untitled" and has no chords. Raises TImportError with one line when
// the melody cannot be fitted.
TMelodyImport convertMelody(const TImportedMelody& melody);
