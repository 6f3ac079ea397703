#include "app/dragged.h"

#include <QPainter>

#include "app/strip_colors.h"

TDragged::TDragged(QWidget* parent) : QWidget(parent) {
    setFixedWidth(WIDTH);
    setCursor(Qt::OpenHandCursor);
}

void TDragged::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), FACE_COLOR.darker(106));
    // a column of grip dots
    p.setPen(Qt::NoPen);
    const qreal cx = width() / 2.0;
    for (int y = height() / 2 - 24; y <= height() / 2 + 24; y += 6) {
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx + 0.5, y + 0.5), 1.3, 1.3);
        p.setBrush(QColor(120, 115, 108));
        p.drawEllipse(QPointF(cx, y), 1.3, 1.3);
    }
}
