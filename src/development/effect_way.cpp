#include "development/effect_way.h"

#include <vector>

TEffectWay::TEffectWay(const TChordList& chordSet, bool hasMore)
    : chordSet_(chordSet), hasMore_(hasMore) {}

void TEffectWay::acceptMotive(const TMotive& motive) {
    source_ = motive;
    clearPanes();
    fillPanels();
}

void TEffectWay::setFrame(const TMeasure& meter, const TKey& key, DURATION anacrusis) {
    for (TMotive& p : panes_) {
        p.anacrusis = anacrusis;
        p.measure = meter;
        p.key = key;
    }
    clearPanes();
}

void TEffectWay::moreEffect() {
    if (!hasMore_)
        return;
    keepVariants();
    fillPanels();
    playVariants();
}

void TEffectWay::clearPanes() {
    for (TMotive& p : panes_)
        p.clear();
}

void TEffectWay::putVariant(int index, const TMotive& variant) {
    TMotive& p = pane(index);
    p = variant;
    // the canvas showing the pane reads it back
    if (p.listener() != nullptr)
        p.listener()->motiveChanged();
}

void TEffectWay::fillWithTries(const std::function<TMotive()>& make) {
    std::vector<TMotive> made;
    for (int index = 0; index < PANE_COUNT; ++index) {
        TMotive variant = make();
        for (int attempt = 1; attempt < MAX_TRIES; ++attempt) {
            bool repeated = variant == source_;
            for (const TMotive& earlier : made)
                repeated = repeated || variant == earlier;
            if (!repeated)
                break;
            variant = make();
        }
        putVariant(index, variant);
        made.push_back(variant);
    }
}

void TEffectWay::keepVariants() {
    for (int index = 0; index < PANE_COUNT; ++index)
        keepVariant(index);
}

void TEffectWay::keepVariant(int index) {
    if (listener_ != nullptr)
        listener_->keepVariant(index);
}

void TEffectWay::playVariants() {
    if (listener_ != nullptr)
        listener_->playVariants();
}

void markVariantNotes(TMotive& variant, bool setSharps) {
    for (TNote& note : variant.notes)
        note.chording = true;
    if (setSharps)
        variant.updateSharps();
}
