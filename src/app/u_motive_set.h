#pragma once

#include <QWidget>
#include <cstdint>

#include "app/button_listener.h"
#include "editing/editing_host.h"

class TBaseService;
class TDragged;
class TMotive;
class TPlayPanel;
class TSelectionPanel;
class TUMotiveCanvas;
class TUMotiveSet;

// What a motive set tells the period panel.
class TUMotiveSetListener {
  public:
    virtual ~TUMotiveSetListener() = default;
    virtual void motiveSetSelected(TUMotiveSet* set) = 0;
    virtual void motiveSetDeselected(TUMotiveSet* set) = 0;
    virtual void motiveSetStartedPlaying(TUMotiveSet* set) = 0;
    // The time cursor of the set's canvas moved.
    virtual void motiveSetCursorMoved(TUMotiveSet*) {}
};

// One motive in the period row: a play strip, a selection strip, and below them the drag handle
// with the canvas to its right.
class TUMotiveSet : public QWidget, public TButtonListener, public TUMotiveCanvasListener {
    Q_OBJECT

  public:
    // `number` counts the motives of the period from 1, for the names screen readers announce.
    TUMotiveSet(QWidget* parent, TBaseService& host, TMotive* motive, int32_t canvasId,
                int sentenceCode, int number, TUMotiveSetListener* listener);

    TUMotiveCanvas* canvas() const { return canvas_; }
    TPlayPanel* playPanel() const { return playPanel_; }
    TSelectionPanel* selectionPanel() const { return selectionPanel_; }
    TDragged* handle() const { return handle_; }
    TMotive* motive() const;
    int sentenceCode() const { return sentenceCode_; }

    void setSelected(bool selected);
    bool selected() const;

    // On the user-interface thread, from the relay.
    void playStarted();
    void playStopped();

    void buttonPressed(QWidget* button, int id) override;

    // The canvas's edits select the set; its chords are the period panel's business.
    void chordsChosen(TMotiveEditor&) override {}
    void editStarted(TMotiveEditor& canvas) override;
    void cursorMoved(TMotiveEditor& canvas) override;

  private:
    TBaseService& host_;
    int sentenceCode_;
    TUMotiveSetListener* listener_;
    TPlayPanel* playPanel_;
    TSelectionPanel* selectionPanel_;
    TDragged* handle_;
    TUMotiveCanvas* canvas_;
};
