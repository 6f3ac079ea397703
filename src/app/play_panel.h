#pragma once

#include <QWidget>

class TButtonListener;

// The strip above a motive (or a marker) that plays it: lit while pressed and while its music
// plays. Space or Return presses it from the keyboard.
class TPlayPanel : public QWidget {
    Q_OBJECT

  public:
    static constexpr int HEIGHT = 28;

    TPlayPanel(QWidget* parent, TButtonListener* listener, int id = 0);

    void setPlaying(bool playing);
    bool playing() const { return playing_; }
    bool lit() const { return playing_ || pressed_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void press();

    TButtonListener* listener_;
    int id_;
    bool pressed_ = false;
    bool playing_ = false;
};
