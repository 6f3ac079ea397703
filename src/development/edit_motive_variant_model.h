#pragma once

#include "development/motive_variant_model.h"

// The model of note entry in the editing canvas: a chosen note overwrites what it covers.
class TEditMotiveVariantModel : public TMotiveVariantModel {
  public:
    // second may be null: the motive whose last note may sound just before this one.
    TEditMotiveVariantModel(TMotive& motive, const TMotive* previous, int32_t origin, uint8_t kind,
                            const TMotive* second);

    // Covered notes disappear, a note the new one cuts into is shortened, and a note it
    // overlaps at its start is pushed to begin after it.
    void setNote(const TNote& note) override;
    // The second motive's last note when it ends exactly at that motive's end.
    TNote previousNote() const override;

  private:
    const TMotive* second_;
};
