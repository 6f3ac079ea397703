#pragma once

#include <QWidget>

// The handle at the left of a motive by which the motive is dragged onto another canvas.
class TDragged : public QWidget {
    Q_OBJECT

  public:
    static constexpr int WIDTH = 10;

    explicit TDragged(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
