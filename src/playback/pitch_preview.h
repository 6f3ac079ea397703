#pragma once

#include <cstdint>
#include <vector>

#include "playback/instrument_editing.h"

class TPlayer;

// Told of the user's presses in the instrument chooser, so that the entry under the mouse
// sounds while the button is held.
class TPitchSelectionListener {
  public:
    virtual ~TPitchSelectionListener() = default;
    // The button went down on entry `number`, or moved onto another entry while down.
    virtual void pitchPressed(int32_t number) = 0;
    virtual void pitchReleased() = 0;
};

// Lets a choice in the chooser be heard on the current output before it is stored: the program
// on the row's channel at a fixed volume with the row's preview keys, or the chosen drum key on
// the drum channel. Storing or cancelling puts the whole set on the output again afterwards.
class TPitchPreview : public TPitchSelectionListener {
  public:
    static constexpr int16_t PREVIEW_VOLUME = 100;
    static constexpr int16_t PREVIEW_VELOCITY = 100;

    TPitchPreview(TPlayer& player, const TPitchCellDesign& design)
        : player_(player), design_(design) {}

    void pitchPressed(int32_t number) override;
    void pitchReleased() override;
    bool sounding() const { return !sounding_.empty(); }

  private:
    TPlayer& player_;
    TPitchCellDesign design_;
    std::vector<int16_t> sounding_;  // the keys struck and not yet released
};
