#include "development/motive_variant_model.h"

TMotiveVariantModel::TMotiveVariantModel(TMotive& motive, const TMotive* previous, int32_t origin,
                                         uint8_t kind, bool offersChords, bool showsNotesBehind)
    : TChordMotiveVariantModel(motive, previous, origin, kind),
      offersChords_(offersChords),
      showsNotesBehind_(showsNotesBehind) {}

void TMotiveVariantModel::setNote(const TNote& note) {
    TMotive& m = motive();
    if (note.time >= m.endTime())
        return;
    if (!m.notes.empty() && m.notes.back().time == note.time)
        m.notes.back() = note;
    else
        m.notes.push_back(note);
    notifyMotive();
}
