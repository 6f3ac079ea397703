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

class TMelodyPitchNameController : public TPitchNameController {
  public:
    explicit TMelodyPitchNameController(TInstrForm& form)
        : TPitchNameController(form, MELODY_PITCH_CELL) {}
};
class TChordPitchNameController : public TPitchNameController {
  public:
    explicit TChordPitchNameController(TInstrForm& form)
        : TPitchNameController(form, CHORD_PITCH_CELL) {}
};
class TBassPitchNameController : public TPitchNameController {
  public:
    explicit TBassPitchNameController(TInstrForm& form)
        : TPitchNameController(form, BASS_PITCH_CELL) {}
};
class TSGIMelodyPitchNameController : public TPitchNameController {
  public:
    explicit TSGIMelodyPitchNameController(TInstrForm& form)
        : TPitchNameController(form, DRAFT_MELODY_PITCH_CELL) {}
};
class TSGIChordPitchNameController : public TPitchNameController {
  public:
    explicit TSGIChordPitchNameController(TInstrForm& form)
        : TPitchNameController(form, DRAFT_CHORD_PITCH_CELL) {}
};
class TMetronomeUpBeatPitchNameController : public TPitchNameController {
  public:
    explicit TMetronomeUpBeatPitchNameController(TInstrForm& form)
        : TPitchNameController(form, UP_BEAT_PITCH_CELL) {}
};
class TMetronomeBeatPitchNameController : public TPitchNameController {
  public:
    explicit TMetronomeBeatPitchNameController(TInstrForm& form)
        : TPitchNameController(form, BEAT_PITCH_CELL) {}
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

class TMelodyVolumeNameController : public TVolumeController {
  public:
    explicit TMelodyVolumeNameController(TInstrForm& form)
        : TVolumeController(form, MELODY_VOLUME_CELL) {}
};
class TChordVolumeController : public TVolumeController {
  public:
    explicit TChordVolumeController(TInstrForm& form)
        : TVolumeController(form, CHORD_VOLUME_CELL) {}
};
class TBassVolumeController : public TVolumeController {
  public:
    explicit TBassVolumeController(TInstrForm& form) : TVolumeController(form, BASS_VOLUME_CELL) {}
};
class TSGIMelodyVolumeController : public TVolumeController {
  public:
    explicit TSGIMelodyVolumeController(TInstrForm& form)
        : TVolumeController(form, DRAFT_MELODY_VOLUME_CELL) {}
};
class TSGIChordVolumeController : public TVolumeController {
  public:
    explicit TSGIChordVolumeController(TInstrForm& form)
        : TVolumeController(form, DRAFT_CHORD_VOLUME_CELL) {}
};
class TMetronomeVolumeController : public TVolumeController {
  public:
    explicit TMetronomeVolumeController(TInstrForm& form)
        : TVolumeController(form, DRUM_VOLUME_CELL) {}
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

class TMelodyMuteController : public TMuteController {
  public:
    explicit TMelodyMuteController(TInstrForm& form)
        : TMuteController(form, TInstrumentMute::MUTE_MELODY) {}
};
class TChordMuteController : public TMuteController {
  public:
    explicit TChordMuteController(TInstrForm& form)
        : TMuteController(form, TInstrumentMute::MUTE_CHORD) {}
};
class TBassMuteController : public TMuteController {
  public:
    explicit TBassMuteController(TInstrForm& form)
        : TMuteController(form, TInstrumentMute::MUTE_BASS) {}
};
class TMetronomeMuteController : public TMuteController {
  public:
    explicit TMetronomeMuteController(TInstrForm& form)
        : TMuteController(form, TInstrumentMute::MUTE_DRUM) {}
};

// The test group's play button: queues the test motive after whatever plays.
class TPlayButtonListener : public TButtonListener {
  public:
    explicit TPlayButtonListener(TInstrForm& form) : form_(form) {}
    void buttonPressed(QWidget* button, int id) override;

  private:
    TInstrForm& form_;
};
