#include "app/pointer_controls.h"

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
