#pragma once

#include <cstdint>

#include "development/variant_model.h"

// The model of chord choice for a new progression: chords are offered, notes are not. The base
// of the other models, which keep its fields and queries.
class TChordMotiveVariantModel : public TVariantModel {
  public:
    // previous may be null; the start position begins at the origin.
    TChordMotiveVariantModel(TMotive& motive, const TMotive* previous, int32_t origin,
                             uint8_t kind);

    TMotive& motive() override { return motive_; }
    const TMeasure& meter() const override { return motive_.measure; }
    const TNoteList& notes() const override { return motive_.notes; }
    // The previous motive's chords before the motive's own, the chord carried over the bar line
    // shown only once.
    const TChordList& chords() override;
    // Before the motive's first chord, the previous motive's last chord still sounds.
    const TChord* chordSoundingAt(int32_t tick) override {
        return motive_.chordSoundingAt(tick, previous_);
    }
    int32_t startPosition() const override { return startPosition_; }
    void setStartPosition(int32_t tick) override { startPosition_ = tick; }
    int32_t endPosition() const override { return origin_ + motive_.measureLength(); }
    bool offersChords() const override { return true; }
    bool offersNotes() const override { return false; }
    void setChord(const TChord& chord) override;
    void setNote(const TNote&) override {}
    void filterChords(TChordList&, int32_t) override {}
    uint8_t kind() const override { return kind_; }
    bool showsNotesBehind() const override { return false; }
    int32_t origin() const override { return origin_; }
    TMotive& identity() override { return motive_; }

  protected:
    // Tells the motive's listener, as the motive's own changing operations do.
    void notifyMotive();

  private:
    int32_t startPosition_;
    int32_t origin_;
    TMotive& motive_;
    const TMotive* previous_;
    TChordList chords_;
    uint8_t kind_;
};
