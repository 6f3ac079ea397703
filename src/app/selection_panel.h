#pragma once

#include <QWidget>

class TButtonListener;

// The strip under a motive's play strip that selects the motive; pressing it tells the listener,
// which decides the new state.
class TSelectionPanel : public QWidget {
    Q_OBJECT

  public:
    static constexpr int HEIGHT = 21;

    TSelectionPanel(QWidget* parent, TButtonListener* listener);

    void setSelected(bool selected);
    bool selected() const { return selected_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TButtonListener* listener_;
    bool selected_ = false;
};
