#include "development/repeat_way.h"

#include "generation/turn.h"

TNoteList shiftPitches(const TNoteList& notes, int32_t amount) {
    TNoteList shifted = notes;
    for (TNote& note : shifted) {
        if (!isValidPitch(note.pitch))
            continue;
        // at the range edges the sequence is reflected rather than cut off
        if (inMelodyRange(note.pitch + amount))
            note.pitch += amount;
        else if (inMelodyRange(note.pitch - amount))
            note.pitch -= amount;
    }
    return shifted;
}

TBaseRepeatWay::TBaseRepeatWay(const TChordList& chordSet,
                               const std::array<int32_t, PANE_COUNT>& amounts)
    : TEffectWay(chordSet, false), amounts_(amounts) {}

void TBaseRepeatWay::fillPanels() {
    for (int index = 0; index < PANE_COUNT; ++index) {
        TMotive variant(source_.key, source_.measure, source_.anacrusis);
        variant.notes = shiftPitches(source_.notes, amounts_[static_cast<size_t>(index)]);
        markVariantNotes(variant, true);
        putVariant(index, variant);
    }
}
