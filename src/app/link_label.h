#pragma once

#include <QLabel>

// A text that acts as a link: blue and underlined, a hand cursor over it, and clicked by the
// mouse or by Enter or Space once it has the focus.
class TLinkLabel : public QLabel {
    Q_OBJECT

  public:
    TLinkLabel(const QString& text, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool pressed_ = false;
};
