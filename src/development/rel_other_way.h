#pragma once

#include "development/rel_effect_way.h"

// "Rel. Other": the first pane written with every turn mirrored, the second written and then
// played backwards, the third written and then shuffled in rhythm and pitch.
class TRelOtherWay : public TRelEffectWay {
  public:
    explicit TRelOtherWay(const TChordList& chordSet) : TRelEffectWay(chordSet, false) {}

  protected:
    void fillPanels() override;
};
