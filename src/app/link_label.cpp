#include "app/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(blue);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    // like a button: the click counts when the button is let go over the link
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void TLinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            event->accept();
            emit clicked();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}
