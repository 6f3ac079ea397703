#pragma once

#include <QPoint>
#include <cstdint>
#include <memory>

#include "app/motive_canvas.h"
#include "editing/editing_host.h"
#include "editing/motive_editor.h"
#include "playback/motive_player.h"

class QToolButton;
class TPopupHost;

// The private drag type by which a motive moves from one canvas to another; the data is only a
// marker, the source is the dragging widget of this program.
inline constexpr const char* MOTIVE_MIME_TYPE = "application/x-motivica-motive";

// The canvas of one motive: the drawn motive, and the editing the mouse does in it through the
// DAD popup. Everything it decides is the editor's; the widget forwards input, draws the time
// cursor and the history buttons, and shows the note the player reports.
class TUMotiveCanvas : public TMotiveCanvas, public TMotivePlayerListener, public TEditorView {
    Q_OBJECT

  public:
    TUMotiveCanvas(QWidget* parent, TPopupHost& host, TMotive* motive, int32_t canvasId);
    ~TUMotiveCanvas() override;

    int32_t canvasId() const { return canvasId_; }
    TMotiveEditor& editor() { return *editor_; }

    // Notes 0..5, rhythm 0..3, chords 0..3, as the three button groups number them.
    void setNotesMode(int mode) { editor_->setNotesMode(mode); }
    void setRhythmMode(int mode) { editor_->setRhythmMode(mode); }
    void setChordMode(int mode) { editor_->setChordMode(mode); }
    int notesMode() const { return editor_->notesMode(); }
    int rhythmMode() const { return editor_->rhythmMode(); }
    int chordMode() const { return editor_->chordMode(); }
    void addListener(TUMotiveCanvasListener* listener) { editor_->addListener(listener); }
    void setDropEnabled(bool enabled) { editor_->setDropEnabled(enabled); }

    // Chooses a chord for every measure, after what the host says precedes the motive.
    void selectChords() { editor_->selectChords(); }

    // Forgets the undo history: the canvas's motive is a new one.
    void clearHistory() {
        editor_->clearHistory();
        repaint();
    }

    // Ends a press that drives the popup as a release would: what was entered stays.
    void finishEdit();

    // Scripted input, as the mouse gives it: the left button pressed at a canvas point and
    // moved with the button held (with Ctrl or not); finishEdit releases it. The pointer has
    // been placed already; the popup reads it as it reads the user's.
    bool scriptedPress(QPoint local);
    // Takes the notes and chords of a dropped motive, as a drop of its handle does.
    bool takeMotive(const TMotive& source);
    void scriptedDrag(QPoint local, bool ctrl);

    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }

    // On the user-interface thread, from the relay: a note of version `variantTag` started or
    // ended. Another version's notes, or any note while the popup is shown, are not marked.
    void noteStarted(int32_t variantTag, int32_t noteIndex);
    void noteEnded(int32_t variantTag, int32_t noteIndex);

    // Timer thread.
    void onNoteOn(int32_t motiveTag, int32_t noteIndex) override;
    void onNoteOff(int32_t motiveTag, int32_t noteIndex) override;
    void onMotiveStart() override;
    void onMotiveEnd() override;

    // TEditorView
    void repaint() override;
    TScreenRect canvasOnScreen() override;
    TScreenRect screenArea() override;
    int32_t popupWidth() override;
    void movePointerToX(int32_t x) override;
    TMotivePlayerListener* playerListener() override { return this; }

    void motiveChanged() override;

  protected:
    void paintOverlay(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void updateHistoryButtons();
    uint32_t shiftOf(Qt::KeyboardModifiers modifiers) const;

    TPopupHost& host_;
    int32_t canvasId_;
    std::unique_ptr<TMotiveEditor> editor_;
    QToolButton* back_;
    QToolButton* forward_;
    QPoint lastGlobal_;
    int cursorShape_ = 0;
};
