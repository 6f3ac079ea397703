#pragma once

#include "app/button_listener.h"
#include "playback/instrument_editing.h"
#include "playback/pitch_preview.h"

class TInstrForm;

// The controllers of the set editor's cells: each hears its cell's button and changes one field
// of the edited set, whose listener, the editor, then shows the set and puts it on the output.
// Every handler first stops the motive player.

// An instrument cell: opens the chooser on the row's catalogue and lets the user's presses in
// it be heard. Whatever the answer, the whole set goes to the output again afterwards, which
// undoes the preview's program and volume.
class TPitchNameController : public TButtonListener, public TPitchSelectionListener {
  public:
    TPitchNameController(TInstrForm& form, const TPitchCellDesign& design);

    void buttonPressed(QWidget* button, int id) override;
    void pitchPressed(int32_t number) override { preview_.pitchPressed(number); }
    void pitchReleased() override { preview_.pitchReleased(); }

    const TPitchCellDesign& design() const { return design_; }

  private:
    TInstrForm& form_;
    const TPitchCellDesign& design_;
    TPitchPreview preview_;
};

// A volume cell: asks for the value in the volume dialog and stores what it accepts.
class TVolumeController : public TButtonListener {
  public:
    TVolumeController(TInstrForm& form, const TVolumeCellDesign& design)
        : form_(form), design_(design) {}

    void buttonPressed(QWidget* button, int id) override;

    const TVolumeCellDesign& design() const { return design_; }

  private:
    TInstrForm& form_;
    const TVolumeCellDesign& design_;
};

// A mute check box: stores its state in the mute flag.
class TMuteController : public TButtonListener {
  public:
    TMuteController(TInstrForm& form, TInstrumentMute field) : form_(form), field_(field) {}

    // `button` is the check box.
    void buttonPressed(QWidget* button, int id) override;

    TInstrumentMute field() const { return field_; }

  private:
    TInstrForm& form_;
    TInstrumentMute field_;
};

// The test group's play button: queues the test motive after whatever plays.
class TPlayButtonListener : public TButtonListener {
  public:
    explicit TPlayButtonListener(TInstrForm& form) : form_(form) {}
    void buttonPressed(QWidget* button, int id) override;

  private:
    TInstrForm& form_;
};
