#pragma once

#include "development/effect_way.h"

// "Other": the melody inverted, the whole motive retrograde, and rhythm and pitches shuffled,
// one pane each, made once; no chords.
class TOtherWay : public TEffectWay {
  public:
    explicit TOtherWay(const TChordList& chordSet) : TEffectWay(chordSet, false) {}

  protected:
    void fillPanels() override;
};
