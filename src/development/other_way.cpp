#include "development/other_way.h"

#include "development/effect.h"

namespace {

// inversion; rhythm then pitch retrograde; rhythm then pitch shuffle
constexpr int OTHER_KINDS[PANE_COUNT] = {0, 3, 5};

}  // namespace

void TOtherWay::fillPanels() {
    for (int index = 0; index < PANE_COUNT; ++index) {
        TMotive variant = source_;
        variant.clearChords();
        TEffect::otherEffect(variant, OTHER_KINDS[index]);
        markVariantNotes(variant, true);
        putVariant(index, variant);
    }
}
