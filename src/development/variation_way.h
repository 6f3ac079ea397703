#pragma once

#include "development/effect_way.h"

// "Variation": each measure's turn groups varied one to three times, with a chord of the set
// that the measure fits; the variants have no chords.
class TVariationWay : public TEffectWay {
  public:
    explicit TVariationWay(const TChordList& chordSet) : TEffectWay(chordSet, true) {}

    // The source loses its chords: variation finds its own chord per measure.
    void acceptMotive(const TMotive& motive) override;

  protected:
    // A source without notes gives no variants.
    void fillPanels() override;
};
