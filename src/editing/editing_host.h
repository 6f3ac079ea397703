#pragma once

#include <cstdint>

#include "editing/pointer_control.h"
#include "generation/previous_motive.h"

class TColorPanelListener;
class TMotive;
class TMotiveEditor;
class TMotivePlayerListener;
class TScheme;

// What an editing canvas needs of the window it lives in.
class TEditingHost {
  public:
    virtual ~TEditingHost() = default;
    // Every edit first silences what plays.
    virtual void stopPlaying() = 0;
    // What sounds before the motive.
    virtual TMotiveAndListenerPair previousPair(const TMotive& motive) = 0;
    // The variant popup.
    virtual TColorPanelListener& popup() = 0;
    // Called after every completed edit: plays the motive's predecessor, if any, then the motive.
    virtual void playMotive(const TMotive& motive, TMotivePlayerListener* listener) = 0;
    virtual TScheme& scheme() = 0;
    virtual bool popupShown() = 0;
};

// Told of what the user does in a canvas.
class TUMotiveCanvasListener {
  public:
    virtual ~TUMotiveCanvasListener() = default;
    virtual void chordsChosen(TMotiveEditor& canvas) = 0;
    virtual void editStarted(TMotiveEditor& canvas) = 0;
    virtual void cursorMoved(TMotiveEditor& canvas) = 0;
};

// The widget side of an editing canvas.
class TEditorView {
  public:
    virtual ~TEditorView() = default;
    virtual void repaint() = 0;
    // The canvas on the screen, and the available area of the screen it is on.
    virtual TScreenRect canvasOnScreen() = 0;
    virtual TScreenRect screenArea() = 0;
    virtual int32_t popupWidth() = 0;
    // Moves the pointer to the canvas x, leaving its height.
    virtual void movePointerToX(int32_t x) = 0;
    // Who hears the notes of the edited motive when it plays.
    virtual TMotivePlayerListener* playerListener() = 0;
};
