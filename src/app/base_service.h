#pragma once

#include <cstddef>
#include <cstdint>

#include "editing/editing_host.h"
#include "generation/previous_motive.h"

class QWidget;
class TInstrumentConf;
class TMessageBundle;
class TMotive;
class TMotivePlayer;
class TMotivePlayerListener;
class TNotePainter;
class TPeriodData;
class TPlayer;
class TRelay;
class TScheme;
class TUMotiveCanvas;

// What the main window shares with the panels, canvases and dialogs it creates, in the roles
// they need it in. Models are shared by reference: a canvas edits the motive that lives in the
// period.

// The popup's host: what an editing canvas needs to draw its motive, drive the popup with the
// pointer and show the notes the player sounds.
class TPopupHost : public TEditingHost {
  public:
    virtual TRelay& relay() = 0;
    // 15 minus the track bar's position: 14 for position 1 down to 8 for position 7.
    virtual int32_t dadCursorDelay() = 0;
    // The measure painter every motive canvas and key box of the window shares.
    virtual TNotePainter& notePainter() = 0;
    // The pointer the popup reads, moves and confines.
    virtual TPointerControl& pointerControl() = 0;
    // True when that pointer is drawn by the popup and follows the mouse's relative motion.
    virtual bool pointerIsDrawn() = 0;
    // The popup window's outer width, for placing it beside a canvas.
    virtual int32_t popupWidth() = 0;
    // The canvas whose press drives the popup, so that losing focus can end it; null when none.
    virtual void setEditingCanvas(TUMotiveCanvas* canvas) = 0;
    // The canvas outside the period and the development panels (the instrument-set editor's
    // test canvas): its motive has nothing before it and the player's notes for number 255 go
    // to it. Null clears it.
    virtual void setFreeStandingCanvas(TUMotiveCanvas* canvas) = 0;
    // Where the pointer is as a press drives the popup, for the hidden recording of paths.
    virtual void pointerMovedWhilePressed(TScreenPoint) {}
};

// Audition: the MIDI output, the motive player and the instruments they sound with.
class TAuditionService {
  public:
    virtual ~TAuditionService() = default;
    virtual TPlayer& player() = 0;
    virtual TMotivePlayer& motivePlayer() = 0;
    virtual const TInstrumentConf& instrumentSet() = 0;
};

// The composition and the program's texts.
class TPeriodTextService {
  public:
    virtual ~TPeriodTextService() = default;
    virtual TPeriodData& period() = 0;
    virtual const TMessageBundle& bundle() = 0;
    virtual size_t motiveCount() = 0;
};

// All three, for the panels that hold canvases and play and label what they show.
class TBaseService : public TPopupHost, public TAuditionService, public TPeriodTextService {};
