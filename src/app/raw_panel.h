#pragma once

#include <QWidget>
#include <cstdint>

class TPopupHost;
class TButtonListener;
class TDragged;
class TMotive;
class TPlayPanel;
class TUMotiveCanvas;

// One variant pane of a development panel: the variant's canvas with a drag handle at its left,
// by which the variant goes into the composition, and a play button under it.
class TRawPanel : public QWidget {
    Q_OBJECT

  public:
    static constexpr int PLAY_WIDTH = 27;
    static constexpr int PLAY_HEIGHT = 26;

    // The canvas shows `motive` (owned by the panel's way) and carries `canvasId`, its place in
    // the window's relay list; the play button reports `index` to the listener.
    TRawPanel(QWidget* parent, TPopupHost& host, TMotive* motive, int32_t canvasId, int index,
              TButtonListener* listener, const QString& caption);

    TUMotiveCanvas* canvas() const { return canvas_; }
    TDragged* handle() const { return handle_; }
    TPlayPanel* playButton() const { return play_; }

    // On the user-interface thread, from the relay.
    void setPlaying(bool playing);
    // The canvas took the size of its motive's frame: the pane follows it.
    void fitToCanvas();

  private:
    TUMotiveCanvas* canvas_;
    TDragged* handle_;
    TPlayPanel* play_;
};
