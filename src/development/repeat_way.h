#pragma once

#include <array>

#include "development/effect_way.h"

// Every pitch moved by amount scale steps; a pitch that would leave the melody range moves the
// other way instead, or stays when that leaves it too. A note without pitch stays without.
TNoteList shiftPitches(const TNoteList& notes, int32_t amount);

// The ways that transpose the source by three fixed amounts, one per pane, and give the variants
// no chords.
class TBaseRepeatWay : public TEffectWay {
  public:
    TBaseRepeatWay(const TChordList& chordSet, const std::array<int32_t, PANE_COUNT>& amounts);

    const std::array<int32_t, PANE_COUNT>& amounts() const { return amounts_; }

  protected:
    void fillPanels() override;

  private:
    std::array<int32_t, PANE_COUNT> amounts_;
};

// "Sequence Up": one, two and three steps higher.
class TSequenceUpWay : public TBaseRepeatWay {
  public:
    explicit TSequenceUpWay(const TChordList& chordSet) : TBaseRepeatWay(chordSet, {1, 2, 3}) {}
};

// "Sequence Down": one, two and three steps lower.
class TSequenceDownWay : public TBaseRepeatWay {
  public:
    explicit TSequenceDownWay(const TChordList& chordSet)
        : TBaseRepeatWay(chordSet, {-1, -2, -3}) {}
};

// "Repeat": as it is, an octave lower, an octave higher.
class TRepeatWay : public TBaseRepeatWay {
  public:
    explicit TRepeatWay(const TChordList& chordSet) : TBaseRepeatWay(chordSet, {0, -7, 7}) {}
};
