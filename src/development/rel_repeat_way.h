#pragma once

#include <array>

#include "development/rel_effect_way.h"

// The relative sequences: each measure of a pane starts the given number of chord tones of the
// pane's chord above (below) the source's reference pitch, fewer near the range edges.
class TRelBaseRepeatWay : public TRelEffectWay {
  public:
    TRelBaseRepeatWay(const TChordList& chordSet, const std::array<int32_t, PANE_COUNT>& amounts);

    // The references a pane with the given amount starts its measures from.
    std::vector<TLight> shiftedReferences(const TMotive& pane, int32_t amount) const;

  protected:
    void fillPanels() override;

  private:
    std::array<int32_t, PANE_COUNT> amounts_;
};

// "Rel. Sequence Up": one, two and three chord tones higher.
class TRelSequenceUpWay : public TRelBaseRepeatWay {
  public:
    explicit TRelSequenceUpWay(const TChordList& chordSet)
        : TRelBaseRepeatWay(chordSet, {1, 2, 3}) {}
};

// "Rel. Sequence Down": one, two and three chord tones lower.
class TRelSequenceDownWay : public TRelBaseRepeatWay {
  public:
    explicit TRelSequenceDownWay(const TChordList& chordSet)
        : TRelBaseRepeatWay(chordSet, {-1, -2, -3}) {}
};

// "Rel. Repeat": from the references as they are, an octave higher and an octave lower; a pane
// whose shifted references leave the melody range is not generated.
class TRelRepeatWay : public TRelEffectWay {
  public:
    static constexpr std::array<int32_t, PANE_COUNT> AMOUNTS = {0, 7, -7};

    explicit TRelRepeatWay(const TChordList& chordSet) : TRelEffectWay(chordSet, false) {}

  protected:
    void fillPanels() override;
};
