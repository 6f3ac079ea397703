#pragma once

#include "development/rel_effect_way.h"

// "Rel. Parts": written afresh over the panes' chords, then some notes removed.
class TRelPartsWay : public TRelEffectWay {
  public:
    explicit TRelPartsWay(const TChordList& chordSet) : TRelEffectWay(chordSet, true) {}

  protected:
    void fillPanels() override;
};
