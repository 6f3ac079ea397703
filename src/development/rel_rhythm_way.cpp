#include "development/rel_rhythm_way.h"

#include "development/effect.h"
#include "generation/random.h"

void TRelRhythmWay::fillPanels() {
    fillWithTries([](TMotive& candidate) {
        // every try decides anew between redistribution (odd) and shuffle
        TEffect::newRhythm(candidate, (motivicaRand() & 1) != 0 ? 1 : 0);
    });
}
