#include "development/rel_parts_way.h"

#include "development/effect.h"

void TRelPartsWay::fillPanels() {
    fillWithTries([](TMotive& candidate) { TEffect::dropNotes(candidate.notes); });
}
