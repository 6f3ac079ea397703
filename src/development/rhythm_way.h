#pragma once

#include "development/effect_way.h"

// "Rhythm": the pitches of the source in their order over each measure's rhythm shuffled or
// redistributed; no chords.
class TRhythmWay : public TEffectWay {
  public:
    explicit TRhythmWay(const TChordList& chordSet) : TEffectWay(chordSet, true) {}

    void acceptMotive(const TMotive& motive) override;

  protected:
    void fillPanels() override;
};
