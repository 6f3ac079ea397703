#include "development/parts_way.h"

#include "development/effect.h"

void TPartsWay::acceptMotive(const TMotive& motive) {
    source_ = motive;
    source_.clearChords();
    clearPanes();
    fillPanels();
}

void TPartsWay::fillPanels() {
    if (source_.notes.size() == 1)
        return;
    fillWithTries([this] {
        TMotive variant = source_;
        TEffect::dropNotes(variant.notes);
        markVariantNotes(variant, false);
        return variant;
    });
}
