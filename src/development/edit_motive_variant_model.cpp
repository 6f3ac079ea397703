#include "development/edit_motive_variant_model.h"

namespace {

// A new length for a note or rest, keeping which of the two it is.
DURATION withSignOf(const TNote& note, int32_t length) {
    return static_cast<DURATION>(note.isRest() ? -length : length);
}

}  // namespace

TEditMotiveVariantModel::TEditMotiveVariantModel(TMotive& motive, const TMotive* previous,
                                                 int32_t origin, uint8_t kind,
                                                 const TMotive* second)
    : TMotiveVariantModel(motive, previous, origin, kind, false, true), second_(second) {}

void TEditMotiveVariantModel::setNote(const TNote& note) {
    TMotive& m = motive();
    const int32_t a = note.time;
    const int32_t e = note.endTime();
    int32_t previousEnd = m.startTime();
    bool placed = false;
    TNoteList result;
    for (TNote p : m.notes) {
        const int32_t c = p.time;
        const int32_t d = p.endTime();
        if (!placed) {
            if (c == a || (a >= previousEnd && a < c)) {
                result.push_back(note);
                placed = true;
                // p is now a note after the new one and is handled below
            } else if (c < a && a < d) {
                p.duration = withSignOf(p, a - c);
                result.push_back(p);
                result.push_back(note);
                placed = true;
                continue;
            } else {
                result.push_back(p);
                previousEnd = d;
                continue;
            }
        }
        if (c >= a && d <= e)
            continue;  // covered by the new note
        if (a <= c && c < e && e < d) {
            p.time = e;
            p.duration = withSignOf(p, d - e);
        }
        result.push_back(p);
    }
    if (!placed)
        result.push_back(note);
    m.notes = result;
    notifyMotive();
}

TNote TEditMotiveVariantModel::previousNote() const {
    if (second_ != nullptr && !second_->notes.empty() &&
        second_->notes.back().endTime() == second_->endTime())
        return second_->notes.back();
    return TNote();
}
