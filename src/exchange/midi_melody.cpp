#include "exchange/midi_melody.h"

#include <algorithm>
#include <string>
#include <vector>

#include "exchange/import_error.h"
#include "model/duration.h"

namespace {

constexpr int DRUM_CHANNEL = 9;
// this program's MIDI files count time in the model's ticks
constexpr int OWN_TICKS_PER_QUARTER = QUARTER;

// The up-beat of a file this program wrote. Its chords are struck where a motive begins and the
// last is let go where the period ends: a chord off the bar lines tells the up-beat. Without one,
// no note of the melody may cross from one motive into the next, since every note lies in its
// motive; among the up-beats that allow that, the one the first note opens, else none, else the
// shortest.
int64_t ownPickup(const TMidiFileData& file, const std::vector<TMidiFileNote>& melody,
                  int64_t scale, int64_t measure) {
    for (size_t t = 2; t < 4; ++t)
        for (const TMidiFileNote& note : file.tracks[t].notes)
            for (const int64_t at : {note.start * scale, note.end * scale})
                if (at % measure != 0)
                    return measure - at % measure;
    const int64_t firstStart = melody.front().start * scale;
    const auto fits = [&](int64_t pickup) {
        const int64_t windowStart = pickup == 0 ? 0 : measure - pickup;
        if (firstStart < windowStart)
            return false;
        for (const TMidiFileNote& note : melody) {
            const int64_t start = note.start * scale - windowStart;
            const int64_t end = note.end * scale - windowStart;
            if (end > start && start / measure != (end - 1) / measure)
                return false;
        }
        return true;
    };
    const int64_t sixteenth = SIXTEENTH * scale;
    if (firstStart > 0 && firstStart < measure && fits(measure - firstStart))
        return measure - firstStart;
    if (fits(0))
        return 0;
    for (int64_t pickup = sixteenth; pickup < measure; pickup += sixteenth)
        if (fits(pickup))
            return pickup;
    return 0;
}

}  // namespace

bool isOwnMidiLayout(const TMidiFileData& file) {
    if (file.format != 1 || file.ticksPerQuarter != OWN_TICKS_PER_QUARTER ||
        file.tracks.size() != 4 || file.tracks[0].channels != 0)
        return false;
    for (size_t t = 1; t < 4; ++t)
        if (file.tracks[t].channels != (1u << (t - 1)))
            return false;
    return true;
}

TImportedMelody midiFileMelody(const TMidiFileData& file, std::optional<int> trackNumber) {
    const bool own = isOwnMidiLayout(file);
    size_t chosen = file.tracks.size();
    if (trackNumber) {
        if (*trackNumber < 1 || static_cast<size_t>(*trackNumber) > file.tracks.size())
            throw TImportError("the MIDI file has " + std::to_string(file.tracks.size()) +
                               (file.tracks.size() == 1 ? " track" : " tracks") +
                               "; there is no track " + std::to_string(*trackNumber));
        chosen = static_cast<size_t>(*trackNumber) - 1;
        if (file.tracks[chosen].notes.empty())
            throw TImportError("track " + std::to_string(*trackNumber) +
                               " of the MIDI file has no notes");
    } else if (own) {
        chosen = 1;
    } else {
        for (size_t t = 0; t < file.tracks.size() && chosen == file.tracks.size(); ++t)
            if (!file.tracks[t].notes.empty())
                chosen = t;
    }
    if (chosen >= file.tracks.size() || file.tracks[chosen].notes.empty())
        throw TImportError("the MIDI file has no notes");
    const TMidiFileTrack& track = file.tracks[chosen];
    int channel = -1;
    for (const TMidiFileNote& note : track.notes)
        if (note.channel != DRUM_CHANNEL) {
            channel = note.channel;
            break;
        }
    if (channel < 0)
        channel = DRUM_CHANNEL;

    TImportedMelody melody;
    // an eighth's beat must be a whole number of units
    const int64_t scale = file.ticksPerQuarter % 2 == 0 ? 1 : 2;
    melody.unitsPerQuarter = int64_t{file.ticksPerQuarter} * scale;
    if (file.timeSignatures.empty()) {
        // without a time signature a MIDI file is in 4/4
        melody.beats = 4;
        melody.beatType = 4;
    } else {
        const TMidiTimeSignature& first = file.timeSignatures.front();
        melody.beats = first.numerator;
        melody.beatType = first.denominator;
        for (const TMidiTimeSignature& later : file.timeSignatures)
            if (later.numerator != first.numerator || later.denominator != first.denominator)
                throw TImportError("the meter changes to " + std::to_string(later.numerator) + "/" +
                                   std::to_string(later.denominator) +
                                   " in the MIDI file; a period keeps one meter");
    }
    if (!file.keySignatures.empty()) {
        const TMidiKeySignature& first = file.keySignatures.front();
        if (first.sharps >= -7 && first.sharps <= 7) {
            melody.key = TKey(first.sharps, first.minor == 1 ? MINOR : MAJOR);
            // this program writes every key as major: the notes tell the mode
            melody.modeUnknown = own;
        }
    }
    if (!file.tempos.empty() && file.tempos.front().microsPerQuarter > 0)
        melody.quartersPerMinute = 60000000.0 / double(file.tempos.front().microsPerQuarter);

    std::vector<TMidiFileNote> notes;
    for (const TMidiFileNote& note : track.notes)
        if (note.channel == channel)
            notes.push_back(note);
    const int64_t measure =
        melody.beatType > 0 && melody.beats > 0 && melody.beats <= 64 && melody.beatType <= 64
            ? int64_t{melody.beats} * 4 * melody.unitsPerQuarter / melody.beatType
            : 0;
    const int64_t firstStart = notes.front().start * scale;
    int64_t origin = 0;
    if (measure > 0) {
        int64_t pickup = 0;
        if (own) {
            pickup = ownPickup(file, notes, scale, measure);
        } else {
            // the measures before the first note are silence the file only happens to hold
            origin = firstStart / measure * measure;
            if (firstStart > origin)
                pickup = measure - (firstStart - origin);
        }
        const bool whole =
            melody.unitsPerQuarter % 4 == 0 && pickup % (melody.unitsPerQuarter / 4) == 0;
        melody.pickup = whole ? pickup : 0;
    }
    for (const TMidiFileNote& note : notes) {
        TImportedNote n;
        n.start = note.start * scale - origin;
        n.length = (note.end - note.start) * scale;
        n.midi = note.key;
        melody.notes.push_back(n);
    }
    if (own)
        for (size_t t = 2; t < 4; ++t)
            for (const TMidiFileNote& note : file.tracks[t].notes)
                melody.companionPitches.push_back(note.key);
    return melody;
}
