#pragma once

#include <QComboBox>

// A drop-down list whose items may be wider than the box: the box shows the chosen item cut
// with an ellipsis and whole in its tooltip, and the open list is as wide as its longest item.
class TElidedComboBox : public QComboBox {
    Q_OBJECT

  public:
    explicit TElidedComboBox(QWidget* parent);

    void showPopup() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
