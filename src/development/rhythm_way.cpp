#include "development/rhythm_way.h"

#include "development/effect.h"
#include "generation/random.h"

void TRhythmWay::acceptMotive(const TMotive& motive) {
    source_ = motive;
    source_.clearChords();
    clearPanes();
    fillPanels();
}

void TRhythmWay::fillPanels() {
    fillWithTries([this] {
        TMotive variant = source_;
        // every try decides anew between redistribution (odd) and shuffle
        TEffect::newRhythm(variant, (motivicaRand() & 1) != 0 ? 1 : 0);
        markVariantNotes(variant, false);
        return variant;
    });
}
