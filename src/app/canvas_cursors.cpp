#include "app/canvas_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

#include "editing/u_motive_interface.h"
#include "print/drawn_icon.h"

namespace {

QCursor drawn(const std::function<void(QPainter&)>& draw, int hotX, int hotY) {
    return QCursor(drawnPixmap(32, 1.0, draw), hotX, hotY);
}

void outlined(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.setPen(QPen(Qt::white, 3));
    p.drawPath(path);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(fill);
    p.drawPath(path);
}

void chordStack(QPainter& p) {
    for (int i = 0; i < 3; ++i) {
        QPainterPath head;
        head.addEllipse(QRectF(4, 4 + 6 * i, 9, 6));
        outlined(p, head, QColor(90, 60, 200));
    }
}

}  // namespace

QCursor canvasCursor(int shape) {
    switch (shape) {
        case CURSOR_EDIT:
            return drawn(
                [](QPainter& p) {
                    QPainterPath pencil;
                    pencil.moveTo(1, 1);
                    pencil.lineTo(5, 12);
                    pencil.lineTo(20, 27);
                    pencil.lineTo(27, 20);
                    pencil.lineTo(12, 5);
                    pencil.closeSubpath();
                    outlined(p, pencil, QColor(255, 214, 90));
                },
                1, 1);
        case CURSOR_DELETE:
            return drawn(
                [](QPainter& p) {
                    QPainterPath cross;
                    cross.moveTo(2, 2);
                    cross.lineTo(22, 22);
                    cross.moveTo(22, 2);
                    cross.lineTo(2, 22);
                    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
                    p.drawPath(cross);
                    p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
                    p.drawPath(cross);
                },
                12, 12);
        case CURSOR_CHORD:
            return drawn(chordStack, 8, 4);
        default:
            return drawn(
                [](QPainter& p) {
                    chordStack(p);
                    QPainterPath star;
                    star.addEllipse(QRectF(17, 2, 10, 10));
                    outlined(p, star, QColor(255, 200, 0));
                },
                8, 4);
    }
}
