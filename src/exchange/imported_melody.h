#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/key.h"
#include "model/pitch_spelling.h"

// One note or rest of a melody as a file holds it, before it is fitted to the model.
struct TImportedNote {
    // From the time line's origin, in the melody's units.
    int64_t start = 0;
    int64_t length = 0;
    // MIDI note number; -1 for a rest.
    int midi = -1;
    // The written spelling where the file has one.
    std::optional<TPitchSpelling> written;
    bool grace = false;

    bool isRest() const { return midi < 0; }
    int64_t end() const { return start + length; }
};

// Something of the file that the melody leaves out or reads otherwise, at a time of the melody.
struct TImportedNotice {
    int64_t time = 0;
    std::string text;
};

// A single voice read from a MusicXML part or a MIDI track. The time line's origin is the bar
// line that opens the pickup's measure when there is a pickup, else the first bar line.
struct TImportedMelody {
    int64_t unitsPerQuarter = 1;
    // The meter as written; 0 when the file has none.
    int beats = 0;
    int beatType = 0;
    // The length of the pickup measure in units; 0 for none.
    int64_t pickup = 0;
    // The key the file gives, if any; `modeUnknown` when only its signature is known.
    std::optional<TKey> key;
    bool modeUnknown = false;
    std::optional<double> quartersPerMinute;
    // The voice, in time order; chords are notes with the same start.
    std::vector<TImportedNote> notes;
    // Other voices of the same file (accompaniment), which only help to find the key.
    std::vector<int> companionPitches;
    std::vector<TImportedNotice> notices;
};
