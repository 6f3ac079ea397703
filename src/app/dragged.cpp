#include "app/dragged.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "app/u_motive_canvas.h"
#include "print/strip_colors.h"

TDragged::TDragged(QWidget* parent, TUMotiveCanvas* canvas) : QWidget(parent), canvas_(canvas) {
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

void TDragged::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
}

void TDragged::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_ || canvas_ == nullptr || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - pressedAt_).manhattanLength() <
            QApplication::startDragDistance()) {
        return;
    }
    pressed_ = false;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    // the receiving canvas takes the motive from this handle's canvas, not from the data
    data->setData(MOTIVE_MIME_TYPE, QByteArray::number(canvas_->canvasId()));
    drag->setMimeData(data);
    drag->setPixmap(canvas_->grab().scaledToHeight(60, Qt::SmoothTransformation));
    drag->exec(Qt::CopyAction);
}
