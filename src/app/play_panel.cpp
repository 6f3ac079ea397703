#include "app/play_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "app/button_listener.h"
#include "print/strip_colors.h"

namespace {

const QColor LIT_COLOR(128, 197, 238);

}  // namespace

TPlayPanel::TPlayPanel(QWidget* parent, TButtonListener* listener, int id)
    : QWidget(parent), listener_(listener), id_(id) {
    setFixedHeight(HEIGHT);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TPlayPanel::setPlaying(bool playing) {
    if (playing_ == playing)
        return;
    playing_ = playing;
    update();
}

void TPlayPanel::press() {
    if (listener_ != nullptr)
        listener_->buttonPressed(this, id_);
}

void TPlayPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect();
    p.fillRect(r, lit() ? LIT_COLOR : FACE_COLOR);
    if (lit()) {
        p.setPen(Qt::white);
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }
    p.setPen(STRIP_LINE_COLOR);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    // the play picture: a triangle in the middle
    const QPointF c = QRectF(r).center();
    QPainterPath triangle;
    triangle.moveTo(c.x() - 4, c.y() - 6);
    triangle.lineTo(c.x() + 6, c.y());
    triangle.lineTo(c.x() - 4, c.y() + 6);
    triangle.closeSubpath();
    p.fillPath(triangle, lit() ? QColor(Qt::white) : QColor(60, 60, 60));
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

void TPlayPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    update();
    press();
}

void TPlayPanel::mouseReleaseEvent(QMouseEvent*) {
    if (!pressed_)
        return;
    pressed_ = false;
    update();
}

void TPlayPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        press();
        return;
    }
    QWidget::keyPressEvent(event);
}
