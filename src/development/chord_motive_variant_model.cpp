#include "development/chord_motive_variant_model.h"

TChordMotiveVariantModel::TChordMotiveVariantModel(TMotive& motive, const TMotive* previous,
                                                   int32_t origin, uint8_t kind)
    : startPosition_(origin), origin_(origin), motive_(motive), previous_(previous), kind_(kind) {}

const TChordList& TChordMotiveVariantModel::chords() {
    if (previous_ == nullptr || previous_->chords.empty())
        return motive_.chords;
    chords_ = previous_->chords;
    // the chord carried over the bar line is the motive's first chord as well: show it once
    if (!motive_.chords.empty() && chords_.back().sameVoicing(motive_.chords.front()))
        chords_.pop_back();
    chords_.insert(chords_.end(), motive_.chords.begin(), motive_.chords.end());
    return chords_;
}

void TChordMotiveVariantModel::setChord(const TChord& chord) {
    motive_.setChord(chord);
    notifyMotive();
}

void TChordMotiveVariantModel::notifyMotive() {
    if (motive_.listener() != nullptr)
        motive_.listener()->motiveChanged();
}
