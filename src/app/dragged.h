#pragma once

#include <QPoint>
#include <QWidget>

class TUMotiveCanvas;

// The handle at the left of a motive by which the motive is dragged onto another canvas.
class TDragged : public QWidget {
    Q_OBJECT

  public:
    static constexpr int WIDTH = 10;

    explicit TDragged(QWidget* parent, TUMotiveCanvas* canvas = nullptr);

    // The canvas whose motive a drag from here carries.
    TUMotiveCanvas* canvas() const { return canvas_; }
    void setCanvas(TUMotiveCanvas* canvas) { canvas_ = canvas; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    TUMotiveCanvas* canvas_;
    QPoint pressedAt_;
    bool pressed_ = false;
};
