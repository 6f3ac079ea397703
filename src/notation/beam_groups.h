#pragma once

#include <cstdint>
#include <vector>

#include "model/measure.h"

// How a written note takes part in a beam, as MusicXML names it.
enum class TBeam { NONE, BEGIN, CONTINUE, END, FORWARD_HOOK, BACKWARD_HOOK };

// A note or rest as written in one measure of one voice: its start from the measure's start and
// its written length in ticks (a tied-over note is written as its parts).
struct TWrittenNote {
    int32_t start = 0;
    int32_t length = 0;
    bool rest = false;
};

// The eighth beam (primary) and the sixteenth beam (secondary) of a written note.
struct TNoteBeams {
    TBeam primary = TBeam::NONE;
    TBeam secondary = TBeam::NONE;

    bool operator==(const TNoteBeams&) const = default;
};

// The span one beam may cover: the beat in 2/4 and 3/4, the dotted quarter in 3/8 and 6/8, the
// whole measure in 2/8 and in meters without a usual grouping.
int32_t beamGroupLength(const TMeasure& measure);

// The beams of the notes of one measure of one voice, in order: eighths and shorter notes that
// follow one another inside a beam group are beamed together; a rest, a longer note or the
// group's end breaks the beam. Sixteenths share a second beam; a lone sixteenth among longer
// beamed notes gets a hook towards its neighbour.
std::vector<TNoteBeams> beamNotes(const TMeasure& measure, const std::vector<TWrittenNote>& notes);
