#pragma once

#include <vector>

#include "development/effect_way.h"
#include "generation/turn.h"

// A relative way: the source is taken apart into its rhythm, its turns and its reference
// pitches, and the generator writes every variant afresh over the chords the panes hold. All
// three panes share one progression, which the user may choose in any of them.
class TRelEffectWay : public TEffectWay {
  public:
    using TEffectWay::TEffectWay;

    // Analyses the source (with random chords when it has not one per measure), shows it in the
    // three panes, and generates at once when it has all its chords.
    void acceptMotive(const TMotive& motive) override;
    // Also forgets the analysed source.
    void setFrame(const TMeasure& meter, const TKey& key, DURATION anacrusis) override;
    // Only when the first pane can be filled.
    void moreEffect() override;
    // The pane's chords go to all three panes, and the variants are generated when they can be.
    void chordsChosen(int pane) override;
    // The other panes keep their variants in their histories; every pane loses its notes.
    void editStarted(int pane) override;

    // An analysis with one turn list per measure of the motive, and a chord for every measure.
    bool canFill(const TMotive& motive) const;

    const std::vector<TTurnWithDirVector>& pitchScheme() const { return pitchScheme_; }
    const TRhythm& rhythm() const { return rhythm_; }
    const std::vector<TLight>& references() const { return references_; }

  protected:
    // Writes the pane's notes from the analysed rhythm under its chords.
    void generatePane(int index, const std::vector<TLight>& references,
                      const std::vector<TTurnWithDirVector>& scheme);
    void generatePane(int index, const std::vector<TLight>& references) {
        generatePane(index, references, pitchScheme_);
    }
    // Each pane emptied and generated, then change() applied to a copy of it up to MAX_TRIES
    // times until the copy differs from the source and from the panes already made.
    void fillWithTries(const std::function<void(TMotive&)>& change);

    std::vector<TTurnWithDirVector> pitchScheme_;
    TRhythm rhythm_;
    std::vector<TLight> references_;
};
