#include "app/pointer_controls.h"

#include <QPainter>
#include <QPainterPath>

#include <QCursor>

TScreenPoint TScreenPointer::pos() {
    const QPoint q = QCursor::pos();
    const TScreenPoint p{q.x(), q.y()};
    if (confined_ && !zone_.contains(p.x, p.y)) {
        const TScreenPoint inside = zone_.clamp(p);
        QCursor::setPos(inside.x, inside.y);
        return inside;
    }
    return p;
}

void TScreenPointer::setPos(TScreenPoint p) {
    const TScreenPoint target = confined_ ? zone_.clamp(p) : p;
    QCursor::setPos(target.x, target.y);
}

void TScreenPointer::confine(const TScreenRect& rect) {
    zone_ = rect;
    confined_ = true;
    (void)pos();
}

void TDrawnPointer::setPos(TScreenPoint p) {
    TVirtualPointer::setPos(p);
    if (onMoved_) {
        onMoved_();
    }
}

void TDrawnPointer::confine(const TScreenRect& rect) {
    TVirtualPointer::confine(rect);
    if (onMoved_) {
        onMoved_();
    }
}

void drawPointerArrow(QPainter& painter, QPoint tip) {
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPoint(0, 17));
    arrow.lineTo(tip + QPoint(4, 13));
    arrow.lineTo(tip + QPoint(7, 19));
    arrow.lineTo(tip + QPoint(9, 18));
    arrow.lineTo(tip + QPoint(6, 12));
    arrow.lineTo(tip + QPoint(11, 12));
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPath(arrow);
    painter.restore();
}
