#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// A note of a standard MIDI file: from its Note On to its Note Off (or the end of its track).
struct TMidiFileNote {
    int64_t start = 0;
    int64_t end = 0;
    int channel = 0;
    int key = 0;
    int velocity = 0;
};

struct TMidiFileTrack {
    std::vector<TMidiFileNote> notes;
    // Channels (bit per channel) that any channel message of the track addresses.
    uint16_t channels = 0;
    int64_t endTime = 0;
};

struct TMidiTimeSignature {
    int64_t time = 0;
    int numerator = 4;
    int denominator = 4;
};

struct TMidiKeySignature {
    int64_t time = 0;
    int sharps = 0;
    int minor = 0;
};

struct TMidiTempo {
    int64_t time = 0;
    int64_t microsPerQuarter = 500000;
};

// What the melody import needs of a standard MIDI file: its notes track by track and the
// conductor's meter, key and tempo events (from whichever track holds them), each list in time
// order.
struct TMidiFileData {
    int format = 0;
    int ticksPerQuarter = 0;
    std::vector<TMidiFileTrack> tracks;
    std::vector<TMidiTimeSignature> timeSignatures;
    std::vector<TMidiKeySignature> keySignatures;
    std::vector<TMidiTempo> tempos;
    // Note Ons of all tracks.
    size_t noteCount = 0;
};

// Reads a whole file held in memory. Every length is checked against the bytes that are there:
// a file that ends inside a chunk or an event, or that is not a MIDI file, raises TImportError
// with one line. Unknown chunks, system exclusive and other meta events are skipped.
TMidiFileData readMidiFileData(std::string_view bytes);
