#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "editing/editing_host.h"
#include "editing/motive_history.h"
#include "editing/u_motive_interface.h"

class TMotive;
class TVariantModel;

// The mouse buttons a canvas tells apart.
enum class TMouseButton { Left, Right, Middle };

// What an editing canvas does, without the widget: the three modes and the interaction objects
// they select, the time cursor, the variant model while the popup is open, the undo history and
// the drop of another canvas's motive. The widget forwards its input here and paints what this
// holds.
class TMotiveEditor {
  public:
    TMotiveEditor(TEditingHost& host, TEditorView& view, TMotive* motive);
    ~TMotiveEditor();
    TMotiveEditor(const TMotiveEditor&) = delete;
    TMotiveEditor& operator=(const TMotiveEditor&) = delete;

    TMotive* motive() const { return motive_; }
    void setMotive(TMotive* motive);

    // Notes 0..5, rhythm 0..3, chords 0..3, as the button groups and panels number them.
    void setNotesMode(int mode);
    void setRhythmMode(int mode) { rhythmMode_ = mode; }
    void setChordMode(int mode);
    int notesMode() const { return notesMode_; }
    int rhythmMode() const { return rhythmMode_; }
    int chordMode() const { return chordMode_; }

    void addListener(TUMotiveCanvasListener* listener) { listeners_.push_back(listener); }
    void setDropEnabled(bool enabled) { dropEnabled_ = enabled; }
    bool dropEnabled() const { return dropEnabled_; }

    // Chooses a chord for every measure, after what the host says precedes the motive.
    void selectChords();

    // Input; x, y canvas coordinates, gx, gy the same point on the screen. True when a press
    // started an edit.
    bool mouseDown(TMouseButton button, uint32_t shift, int32_t x, int32_t y, int32_t gx,
                   int32_t gy);
    void mouseMove(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy);
    void mouseUp();
    bool pressed() const { return active_ != nullptr; }
    // The cursor shape over a canvas y.
    int cursorShapeAt(int32_t y) const;

    // History.
    void back();
    void forward();
    const TMotiveHistory& history() const { return history_; }
    // Forgets every snapshot: the motive shown is a new one.
    void clearHistory() { history_ = TMotiveHistory(); }
    // Shows the version a player's report names; false when no snapshot has it.
    bool showVersion(int32_t version);

    // Another canvas's motive dropped here.
    bool dropMotive(const TMotive& source);

    // The time cursor: -1 for none; while the popup is open, the place it has reached.
    int32_t timeCursor() const;
    void setTimeCursor(int32_t t) { timeCursor_ = t; }
    bool showsCursor() const;
    const TVariantModel* variantModel() const { return variantModel_.get(); }

    // Used by the interaction objects.
    TEditingHost& host() { return host_; }
    TEditorView& view() { return view_; }
    bool pushSnapshot();
    void openPopup(std::unique_ptr<TVariantModel> model);
    // Closes the popup and hands back the model it drove.
    std::unique_ptr<TVariantModel> closePopup();
    void sendEditStarted();
    void sendCursorMoved();
    void sendChordsChosen();
    // The edit is complete: the motive sounds after its predecessor.
    void editCompleted();

  private:
    void selectInterfaces();

    TEditingHost& host_;
    TEditorView& view_;
    TMotive* motive_;
    int notesMode_ = 2;
    int rhythmMode_ = 0;
    int chordMode_ = 0;
    TEditUMInterface edit_{*this};
    TDeleteUMInterface delete_{*this};
    TChordUMInterface chord_{*this};
    TNewChordUMInterface newChord_{*this};
    TChordWithTransferUMInterface transfer_{*this};
    TUMotiveInterface* upper_ = &edit_;
    TUMotiveInterface* lower_ = &transfer_;
    TUMotiveInterface* active_ = nullptr;
    int32_t timeCursor_ = -1;
    std::unique_ptr<TVariantModel> variantModel_;
    TMotiveHistory history_;
    std::vector<TUMotiveCanvasListener*> listeners_;
    bool dropEnabled_ = true;
};
