#pragma once

#include "development/chord_motive_variant_model.h"

// The model of chord choice under notes that stay: only chords the measure's notes fit are
// offered.
class TRawVariantModel : public TChordMotiveVariantModel {
  public:
    using TChordMotiveVariantModel::TChordMotiveVariantModel;

    // Keeps the candidates that the notes of the tick's measure fit; a measure without notes
    // keeps them all.
    void filterChords(TChordList& candidates, int32_t tick) override;
};
