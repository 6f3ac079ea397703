#include "generation/note_candidates.h"

#include <algorithm>

std::vector<TScVariant> candidatesAt(TScheme& scheme, const TMotive& motive, int32_t t,
                                     int notesMode, int rhythmMode) {
    const int32_t length = motive.measureLength();
    if (length <= 0 || t < motive.startTime() || t >= motive.endTime()) {
        return {};
    }
    scheme.applyRhythmMode(rhythmMode, motive, t);
    scheme.applyNotesMode(notesMode);

    const int32_t measureStart = (t / length) * length;
    const TChord* chord = motive.chordAt(measureStart);
    const int32_t end = std::min(motive.endTime(), measureStart + length);
    variant_set found;
    scheme.collectVariants(motive.notes, chord, false, false, t == measureStart, found,
                           motive.measure, motive, t, end);
    std::vector<TScVariant> sorted(found.begin(), found.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const TScVariant& a, const TScVariant& b) { return a.pitch < b.pitch; });
    return sorted;
}
