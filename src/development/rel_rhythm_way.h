#pragma once

#include "development/rel_effect_way.h"

// "Rel. Rhythm": written afresh over the panes' chords, then each measure's rhythm shuffled or
// redistributed under the same pitches.
class TRelRhythmWay : public TRelEffectWay {
  public:
    explicit TRelRhythmWay(const TChordList& chordSet) : TRelEffectWay(chordSet, true) {}

  protected:
    void fillPanels() override;
};
