#include "print/drawn_icon.h"

#include <QPainter>
#include <QPixmap>

QPixmap drawnPixmap(int size, qreal ratio, const std::function<void(QPainter&)>& draw) {
    const int pixels = qRound(size * ratio);
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    return pixmap;
}

QIcon drawnIcon(int size, const std::function<void(QPainter&)>& draw) {
    return QIcon(drawnPixmap(size, 2.0, draw));
}
