#pragma once

#include <cstdint>

#include "app/motive_canvas.h"
#include "playback/motive_player.h"

class TBaseService;

// The canvas of one motive in the period panel (and later in the development panes): the drawn
// motive, the editing modes the button groups set, and the highlight of the note that sounds.
// The player reports from its timer thread; the canvas only posts those reports to the relay
// and shows them when they come back on the user-interface thread.
class TUMotiveCanvas : public TMotiveCanvas, public TMotivePlayerListener {
    Q_OBJECT

  public:
    TUMotiveCanvas(QWidget* parent, TBaseService& host, TMotive* motive, int32_t canvasId);

    int32_t canvasId() const { return canvasId_; }

    // Notes 0..5, rhythm 0..3, chords 0..3, as the three button groups number them.
    void setNotesMode(int mode);
    void setRhythmMode(int mode) { rhythmMode_ = mode; }
    void setChordMode(int mode);
    int notesMode() const { return notesMode_; }
    int rhythmMode() const { return rhythmMode_; }
    int chordMode() const { return chordMode_; }

    // Chooses a chord for every measure, after what the host says precedes the motive.
    void selectChords();

    // On the user-interface thread, from the relay: a note of version `variantTag` started or
    // ended. Another version's notes, or any note while the popup is shown, are not marked.
    void noteStarted(int32_t variantTag, int32_t noteIndex);
    void noteEnded(int32_t variantTag, int32_t noteIndex);

    // Timer thread.
    void onNoteOn(int32_t motiveTag, int32_t noteIndex) override;
    void onNoteOff(int32_t motiveTag, int32_t noteIndex) override;
    void onMotiveStart() override;
    void onMotiveEnd() override;

  private:
    void markPlaying(int32_t variantTag, int32_t noteIndex, bool playing);

    TBaseService& host_;
    int32_t canvasId_;
    int notesMode_ = 2;
    int rhythmMode_ = 0;
    int chordMode_ = 0;
};
