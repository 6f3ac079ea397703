#include "notation/beam_groups.h"

#include <cstddef>

namespace {

constexpr int32_t QUARTER_TICKS = 120;
constexpr int32_t EIGHTH_TICKS = 60;

// Flagged when alone: shorter than a quarter (an eighth, a dotted eighth, a sixteenth).
bool beamable(const TWrittenNote& note) {
    return !note.rest && note.length > 0 && note.length < QUARTER_TICKS;
}

// Carries the sixteenth beam: shorter than an eighth.
bool hasSecondBeam(const TWrittenNote& note) {
    return note.length < EIGHTH_TICKS;
}

// Begin, continue and end along a run of beamed notes [first, last].
void markRun(std::vector<TNoteBeams>& beams, size_t first, size_t last, TBeam TNoteBeams::*level) {
    for (size_t i = first; i <= last; ++i)
        beams[i].*level = i == first ? TBeam::BEGIN : i == last ? TBeam::END : TBeam::CONTINUE;
}

}  // namespace

int32_t beamGroupLength(const TMeasure& measure) {
    const int32_t beats = measure.beatsPerMeasure();
    const int32_t beat = measure.beatValue();
    const int32_t length = measure.measureLength();
    if (beat == QUARTER_TICKS)
        return QUARTER_TICKS;
    if (beat == EIGHTH_TICKS && beats % 3 == 0)
        return 3 * EIGHTH_TICKS;
    return length > 0 ? length : QUARTER_TICKS;
}

std::vector<TNoteBeams> beamNotes(const TMeasure& measure, const std::vector<TWrittenNote>& notes) {
    std::vector<TNoteBeams> beams(notes.size());
    const int32_t group = beamGroupLength(measure);
    size_t i = 0;
    while (i < notes.size()) {
        if (!beamable(notes[i]) || notes[i].start < 0) {
            ++i;
            continue;
        }
        // the run of beamable notes that follow one another inside this note's group
        const int32_t groupEnd = (notes[i].start / group + 1) * group;
        size_t last = i;
        while (last + 1 < notes.size() && beamable(notes[last + 1]) &&
               notes[last + 1].start == notes[last].start + notes[last].length &&
               notes[last + 1].start + notes[last + 1].length <= groupEnd &&
               notes[last].start + notes[last].length <= groupEnd)
            ++last;
        if (last > i) {
            markRun(beams, i, last, &TNoteBeams::primary);
            // the sixteenth beam: runs of sixteenths, hooks for a sixteenth alone
            size_t k = i;
            while (k <= last) {
                if (!hasSecondBeam(notes[k])) {
                    ++k;
                    continue;
                }
                size_t end = k;
                while (end + 1 <= last && hasSecondBeam(notes[end + 1]))
                    ++end;
                if (end > k)
                    markRun(beams, k, end, &TNoteBeams::secondary);
                else
                    beams[k].secondary = k == i ? TBeam::FORWARD_HOOK : TBeam::BACKWARD_HOOK;
                k = end + 1;
            }
        }
        i = last + 1;
    }
    return beams;
}
