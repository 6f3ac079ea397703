#include "development/rel_repeat_way.h"

#include <algorithm>

TRelBaseRepeatWay::TRelBaseRepeatWay(const TChordList& chordSet,
                                     const std::array<int32_t, PANE_COUNT>& amounts)
    : TRelEffectWay(chordSet, false), amounts_(amounts) {}

std::vector<TLight> TRelBaseRepeatWay::shiftedReferences(const TMotive& pane,
                                                         int32_t amount) const {
    std::vector<TLight> shifted = references_;
    const size_t count = std::min(shifted.size(), pane.chords.size());
    for (size_t j = 0; j < count && amount != 0; ++j) {
        const TChord& chord = pane.chords[j];
        int32_t& reference = shifted[j].referencePitch;
        // near the range edges a shorter move is taken; none in range keeps the reference
        for (int32_t n = std::abs(amount); n >= 1; --n) {
            const int32_t moved = amount > 0 ? chord.nextChordTone(reference, pane.key, n)
                                             : chord.previousChordTone(reference, pane.key, n);
            if (inMelodyRange(moved)) {
                reference = moved;
                break;
            }
        }
    }
    return shifted;
}

void TRelBaseRepeatWay::fillPanels() {
    for (int index = 0; index < PANE_COUNT; ++index)
        generatePane(index, shiftedReferences(pane(index), amounts_[static_cast<size_t>(index)]));
}

void TRelRepeatWay::fillPanels() {
    for (int index = 0; index < PANE_COUNT; ++index) {
        std::vector<TLight> shifted = references_;
        bool inRange = true;
        for (TLight& light : shifted) {
            light.referencePitch += AMOUNTS[static_cast<size_t>(index)];
            inRange = inRange && inMelodyRange(light.referencePitch);
        }
        if (inRange)
            generatePane(index, shifted);
    }
}
