#pragma once

#include <QWidget>

#include <cstddef>
#include <memory>

#include "model/motive.h"

class TNotePainter;

// Shows a motive in notation: its measure, or with an anacrusis the upbeat and the measure after
// the bar line, on a grand staff, with its chords' labels in the band below. The motive is not
// owned; the canvas listens to it and repaints when it changes. Editing canvases derive from it
// and draw their own marks over the notation in paintOverlay.
class TMotiveCanvas : public QWidget, public TMotiveListener {
    Q_OBJECT

  public:
    // `painter` is the measure painter the canvases of a window share; it must outlive the
    // canvas. Without one the canvas makes a painter of its own.
    explicit TMotiveCanvas(QWidget* parent = nullptr, TNotePainter* painter = nullptr);
    ~TMotiveCanvas() override;

    // Shows `motive` (or nothing) and becomes its listener. The motive must outlive the canvas,
    // or be replaced by setMotive(nullptr) before it goes.
    void setMotive(TMotive* motive);
    TMotive* motive() const { return motive_; }

    // Marks a note as sounding (its head is drawn in the playing colour) or not, and repaints.
    void setNotePlaying(size_t index, bool playing);
    void clearPlaying();

    // The motive changed: the canvas takes the width of its meter and repaints.
    void motiveChanged() override;

    QSize sizeHint() const override;
    // The size at full scale, whatever the scale now.
    QSize naturalSize() const;
    TNotePainter& notePainter() const { return *painter_; }

    // Draws everything at `scale` (at most 1), so that a row of canvases of a long meter fits
    // its panel; what the canvas is told in its own coordinates stays unscaled.
    void setScale(double scale);
    double scale() const { return scale_; }
    // A point on the canvas widget in the canvas's own, unscaled coordinates, and back.
    QPoint unscaled(QPointF widget) const;
    int scaledX(int x) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Marks drawn over the notation (the time cursor of an editing canvas); nothing here.
    virtual void paintOverlay(QPainter& painter);
    // The notation itself, into the canvas's full area.
    void paintMotive(QPainter& painter);

  private:
    void fitToMotive();

    TMotive* motive_ = nullptr;
    double scale_ = 1.0;
    std::unique_ptr<TNotePainter> ownPainter_;
    TNotePainter* painter_;
};
