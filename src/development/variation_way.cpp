#include "development/variation_way.h"

#include "development/effect.h"

void TVariationWay::acceptMotive(const TMotive& motive) {
    source_ = motive;
    source_.clearChords();
    clearPanes();
    fillPanels();
}

void TVariationWay::fillPanels() {
    if (source_.notes.empty())
        return;
    fillWithTries([this] {
        TMotive variant = source_;
        variant.notes = TEffect::varyMotive(source_, chordSet_);
        markVariantNotes(variant, true);
        return variant;
    });
}
