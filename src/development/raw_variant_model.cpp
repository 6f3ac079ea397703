#include "development/raw_variant_model.h"

#include "development/effect.h"

void TRawVariantModel::filterChords(TChordList& candidates, int32_t tick) {
    const TNoteList measureNotes = motive().notesInMeasure(tick);
    if (measureNotes.empty())
        return;
    TChordList kept;
    for (const TChord& chord : candidates) {
        TNoteList copy = measureNotes;
        if (TEffect::notesFitChord(copy, chord, motive().key))
            kept.push_back(chord);
    }
    candidates = kept;
}
