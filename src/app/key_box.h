#pragma once

#include <QWidget>

#include <cstdint>
#include <memory>

#include "model/measure.h"

class TNotePainter;

// The start of the period row: the clef, the key signature and the meter of the composition, as
// wide as they need and as high as a motive canvas.
class TKeyBox : public QWidget {
    Q_OBJECT

  public:
    // `painter` is the shared measure painter (see TMotiveCanvas); without one the box makes its
    // own.
    explicit TKeyBox(QWidget* parent = nullptr, TNotePainter* painter = nullptr);
    ~TKeyBox() override;

    void setKeyAndMeter(int32_t signs, const TMeasure& meter);
    int32_t signs() const { return signs_; }
    const TMeasure& meter() const { return meter_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<TNotePainter> ownPainter_;
    TNotePainter* painter_;
    int32_t signs_ = 0;
    TMeasure meter_;
};
