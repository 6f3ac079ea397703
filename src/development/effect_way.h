#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "model/key.h"
#include "model/measure.h"
#include "model/motive.h"

// Every way shows three variants.
constexpr int PANE_COUNT = 3;
// Variation, parts and rhythm try a variant this often until it differs from the source and
// from the variants already made; after the last try its result is used.
constexpr int MAX_TRIES = 10;

// The panel that wraps a way hears through this when the shown variants are to be kept in the
// canvases' histories and when fresh variants are to be played.
class TDevelopmentWayListener {
  public:
    virtual ~TDevelopmentWayListener() = default;
    // The pane's variant is about to be replaced or emptied.
    virtual void keepVariant(int pane) = 0;
    // "more" has made fresh variants: play the three in order.
    virtual void playVariants() = 0;
};

// A way of motive development without its widgets: the source motive and the three pane motives
// it develops it into. The panel of the way owns one, shows the pane motives in its canvases and
// forwards the user's actions.
class TEffectWay {
  public:
    TEffectWay(const TChordList& chordSet, bool hasMore);
    virtual ~TEffectWay() = default;

    TEffectWay(const TEffectWay&) = delete;
    TEffectWay& operator=(const TEffectWay&) = delete;

    // Whether the panel offers "more".
    bool hasMore() const { return hasMore_; }
    // Takes a copy of the motive as source, empties the panes and computes the variants.
    virtual void acceptMotive(const TMotive& motive);
    // The period's frame changed: the panes take it and are emptied.
    virtual void setFrame(const TMeasure& meter, const TKey& key, DURATION anacrusis);
    // Fresh variants, the shown ones kept in the histories; only a way with "more" acts.
    virtual void moreEffect();
    // Chords were chosen in a pane's canvas, or an edit started there. The simple ways let the
    // user put chords under a variant and otherwise ignore both.
    virtual void chordsChosen(int /*pane*/) {}
    virtual void editStarted(int /*pane*/) {}

    const TMotive& source() const { return source_; }
    // The motive a pane's canvas shows and edits in place.
    TMotive& pane(int index) { return panes_.at(static_cast<size_t>(index)); }
    const TMotive& pane(int index) const { return panes_.at(static_cast<size_t>(index)); }

    void setListener(TDevelopmentWayListener* listener) { listener_ = listener; }

  protected:
    // Computes the three variants from the source.
    virtual void fillPanels() = 0;

    // Removes notes and chords of every pane; the frame stays.
    void clearPanes();
    // Puts a variant into a pane: key, meter, anacrusis, notes and chords.
    void putVariant(int index, const TMotive& variant);
    // Each pane gets make()'s result, made again up to MAX_TRIES times until it differs from the
    // source and from the variants already put into the panes in this fill.
    void fillWithTries(const std::function<TMotive()>& make);
    void keepVariants();
    void keepVariant(int index);
    void playVariants();

    TMotive source_;
    std::array<TMotive, PANE_COUNT> panes_;
    TChordList chordSet_;

  private:
    bool hasMore_;
    TDevelopmentWayListener* listener_ = nullptr;
};

// The notes of a simple way's variant count as chord tones, as no chord lies under them; a way
// that moved pitches also marks the raised sevenths of the variant's key.
void markVariantNotes(TMotive& variant, bool setSharps);
