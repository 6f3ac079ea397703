#pragma once

#include "development/chord_motive_variant_model.h"

// The model of note choice: notes are offered; chords only when asked at construction.
class TMotiveVariantModel : public TChordMotiveVariantModel {
  public:
    TMotiveVariantModel(TMotive& motive, const TMotive* previous, int32_t origin, uint8_t kind,
                        bool offersChords, bool showsNotesBehind);

    bool offersChords() const override { return offersChords_; }
    bool offersNotes() const override { return true; }
    bool showsNotesBehind() const override { return showsNotesBehind_; }
    // Appends the note, or replaces the last note when that starts at the same tick; a note at
    // or after the motive's end is ignored.
    void setNote(const TNote& note) override;

  private:
    bool offersChords_;
    bool showsNotesBehind_;
};
