#pragma once

#include "development/effect_way.h"

// "Parts": some notes of the source removed, their time left as rests; no chords.
class TPartsWay : public TEffectWay {
  public:
    explicit TPartsWay(const TChordList& chordSet) : TEffectWay(chordSet, true) {}

    void acceptMotive(const TMotive& motive) override;

  protected:
    // A source of a single note gives no variants.
    void fillPanels() override;
};
